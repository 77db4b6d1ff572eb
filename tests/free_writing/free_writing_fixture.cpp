// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/free_writing/free_writing_fixture.h"

#include "platform/forms/end.h"
#include "platform/services.h"

void FreeWritingTest::type(const QString& text, QWidget* control) const
{
    // Key codes of the characters themselves, so letters beyond ASCII ("ä", "ß") go too.
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, control ? control : form.get(), Qt::Key(c.toUpper().unicode()),
                            QString(c), Qt::NoModifier);
}

// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/syllable_marking/marking_fixture.h"

#include "platform/forms/twips.h"

using syllable_marking::Form1;

Form1& MarkingTest::start(const QString& arguments, Level level)
{
    testing_support::answerLevelDialog<SStufe2>("SStufe2", {level}, onLevelDialog);
    return ExerciseTest::start(arguments);
}

void MarkingTest::clickAt(int twips) const
{
    const QPoint at(platform::twipsToPixels(twips), form->Anzeige->height() / 2);
    QTest::mouseClick(form->Anzeige, Qt::LeftButton, {}, at);
}

void MarkingTest::markAll() const
{
    while (form->task.AktNummer <= 5 && !form->task.Tippen) {
        const int before = form->task.AktNummer;
        clickAt(widthOf(form->task.word.prefix(form->task.AktNummer)));
        if (form->task.AktNummer == before)
            return;
    }
}

// Umlauts arrive as the text of a key event, as a German keyboard sends them.
void MarkingTest::type(const QString& text) const
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, form.get(), Qt::Key_unknown, QString(c), Qt::NoModifier);
}

void MarkingTest::key(Qt::Key k) const
{
    QTest::keyClick(form.get(), k);
}

void MarkingTest::click(QAbstractButton* button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

int MarkingTest::widthOf(const QString& text) const
{
    return platform::textWidthTwips(form->Anzeige, text);
}

double drawOfAll(int n)
{
    return (n - 0.5) / 49;
}

// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercises/free_writing/Form1.h"

#include "tests/support/exercise_test.h"

#include "framework/SuiteOptions.h"

#include <QTest>
#include <QTextEdit>
#include <QToolButton>

#include <memory>

// The free writing window started the way a pupil meets it: suite options written in the
// program folder, the command line set.
class FreeWritingTest : public testing_support::ExerciseTest<free_writing::Form1> {
protected:
    static void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    void pressKey(int index) const
    {
        if (auto* key = control<QAbstractButton>(QStringLiteral("Worttaste(%1)").arg(index)))
            click(key);
    }
    // Types on the real keyboard while `control` (the window when none) has the focus.
    void type(const QString& text, QWidget* control = nullptr) const;
    QString text() const
    {
        const auto* written = control<QTextEdit>(QStringLiteral("Schrift"));
        return written ? written->toPlainText() : QString();
    }
    QString printButtonFile() const { return dataDir() + "/options3.ini"; }
};

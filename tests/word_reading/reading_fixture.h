// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercises/word_reading/Form1.h"

#include "tests/support/exercise_test.h"

#include "framework/SStufe.h"

#include <QTest>

#include <functional>
#include <vector>

// Word reading as a pupil meets it.
class ReadingTest : public testing_support::ExerciseTest<word_reading::Form1> {
protected:
    enum Level { Easy = 0, Hard = 1, All = 2, Own = 3 };

    // The child answers the level dialog with `level`.
    word_reading::Form1& start(const QString& arguments, Level level = All);
    static void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    // Draws that take `numbers` in turn from a pool of 1..pool whose `taken` numbers are drawn
    // already in this pass.
    static std::vector<double> draws(const std::vector<int>& numbers, int pool,
                                     const std::vector<int>& taken = {});
    // Scripts the next set: the words of these table numbers, laid out in this order.
    void scriptSet(const std::vector<int>& words, int pool, const std::vector<int>& order,
                   const std::vector<int>& taken = {}) const;

    // Started by the launcher for the pupil Anna, logging on.
    word_reading::Form1& startForAnna();
    QString annasLog() const { return appDataDir() + "/Protokoll_2/Anna.txt"; }

    QPushButton* picture(int k) const { return control<QPushButton>(QStringLiteral("Bild(%1)").arg(k)); }
    QStringList tags() const;
    // The picture button of `word`, or of some other word.
    QPushButton* pictureOf(const QString& word) const;
    QPushButton* otherThan(const QString& word) const;
    // Clicks the right picture and waits out the pause.
    void readWord() const;
    void writePictures(const QStringList& names) const;

    // Looks at the level dialog before the child answers it.
    std::function<void(SStufe&)> onLevelDialog;
};

// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercises/syllable_marking/Form1.h"

#include "tests/support/exercise_test.h"

#include "framework/SStufe.h"

#include <QTest>

#include <functional>

// A syllable recognition window started as a pupil meets it: suite options written, the command
// line set, the level dialog answered by a click.
class MarkingTest : public testing_support::ExerciseTest<syllable_marking::Form1> {
protected:
    enum Level { Three = 0, Longer = 1, All = 2, MoreLists = 3, OwnLists = 4, OwnPictures = 5 };

    syllable_marking::Form1& start(const QString& arguments, Level level = All);

    // A click into the shown word, `twips` from its left edge.
    void clickAt(int twips) const;
    // Hits every boundary still to be marked, from left to right.
    void markAll() const;
    void type(const QString& text) const;
    void key(Qt::Key key) const;
    static void click(QAbstractButton* button);
    // The width of `text` in the word's font, in twips.
    int widthOf(const QString& text) const;

    std::function<void(SStufe2&)> onLevelDialog;
};

// The draw of built-in word n (1..49) from the set of all words.
double drawOfAll(int n);

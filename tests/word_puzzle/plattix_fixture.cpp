// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/word_puzzle/plattix_fixture.h"

using word_puzzle::Form1;
using word_puzzle::PuzzleWords;

PlattixTest::PlattixTest()
{
    const PuzzleWords words;
    for (int n = 1; n <= words.count(); ++n)
        copyFromSuite(words.word(n) + ".bmp");
}

Form1& PlattixTest::start(const QString& arguments, Level level)
{
    testing_support::answerLevelDialog<SStufe>("SStufe", {level}, onLevelDialog);
    return TilePuzzleTest::start(arguments);
}

// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercises/word_puzzle/Form1.h"

#include "tests/common/tile_puzzle_test.h"

#include "framework/SStufe.h"

#include <functional>

// The word puzzle started the way a pupil meets it: the built-in words' pictures in the
// program folder, suite options written, the command line set, the level dialog answered.
class PlattixTest : public testing_support::TilePuzzleTest<word_puzzle::Form1> {
protected:
    enum Level { Easy = 0, Harder = 1, All = 2, OwnPictures = 3, Closed = -1 };

    PlattixTest();

    word_puzzle::Form1& start(const QString& arguments, Level level = All);

    std::function<void(SStufe&)> onLevelDialog;
};

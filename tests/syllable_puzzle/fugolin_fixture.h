// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercises/syllable_puzzle/Form1.h"

#include "tests/common/tile_puzzle_test.h"

#include "framework/ListAuswahl.h"
#include "framework/SStufe.h"

#include <functional>
#include <vector>

// The syllable puzzle started the way a teacher or child meets it: suite options written, the
// command line set, the level dialog answered by a click.
class FugolinTest : public testing_support::TilePuzzleTest<syllable_puzzle::Form1> {
protected:
    enum Level { Three = 0, Longer = 1, All = 2, More = 3, OwnLists = 4, OwnPictures = 5, Closed = -1 };

    // Answers the level dialog with `level`, and later showings of it with `later` in turn.
    syllable_puzzle::Form1& start(const QString& arguments, Level level = All, std::vector<Level> later = {});

    // Clicks the list of that name in the word-list dialog, or "Zurück" for an empty name.
    static void chooseList(ListAuswahl& dialog, const QString& name);

    // Acts in the level dialog before the child answers it.
    std::function<void(SStufe2&)> onLevelDialog;
    int levelDialogs = 0;
};

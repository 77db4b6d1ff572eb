// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/SyllableSplit.h"
#include "exercises/common/SyllableWords.h"
#include "exercises/common/TileBoard.h"
#include "exercises/common/TileLayouts.h"

#include <gtest/gtest.h>

namespace {

using Click = TileBoard::Click;

TEST(SplitSyllables, CutsAtHyphensKeepingUmlautsAndTheTailOfLongWords)
{
    struct Case {
        QString word;
        QStringList syllables;
    };
    const Case cases[] = {
        {"Kin-der-wa-gen", {"Kin", "der", "wa", "gen"}},
        {"Gieß-kan-ne", {"Gieß", "kan", "ne"}},
        {"Bü-gel-ei-sen", {"Bü", "gel", "ei", "sen"}},
        {"Haus", {"Haus"}},
        {"-Ba-na-ne-", {"Ba", "na", "ne"}},
        {"Ba--na-ne", {"Ba"}},
        {"", {}},
        // The seventh slot takes the rest, so the word stays whole.
        {"Ei-sen-bahn-schie-nen-rei-ni-gungs-zug", {"Ei", "sen", "bahn", "schie", "nen", "rei", "nigungszug"}},
        // No length limit: a long word keeps its tail.
        {QString(120, 'a') + "-b", {QString(120, 'a'), "b"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(splitSyllables(c.word, 7), c.syllables) << c.word.toStdString();
}

TEST(SyllableTable, FortyNineWordsLongerOnesFirst)
{
    const SyllableWords words;
    ASSERT_EQ(words.count(), 49);
    EXPECT_EQ(words.word(6), "Ba-de-wan-ne");
    EXPECT_EQ(words.word(46), "Gieß-kan-ne");
    for (int n = 1; n <= 49; ++n)
        EXPECT_EQ(splitSyllables(words.word(n), 7).size() >= 4, n <= 21) << n;
}

TEST(TileLayouts, EveryLayoutDealsEachPieceOnceAndTheRandomNumberPicksIt)
{
    const QStringList pieces{"1", "2", "3", "4", "5", "6", "7"};
    for (int layout = 1; layout <= 10; ++layout) {
        QStringList dealt = tile_layouts::deal(pieces, layout);
        dealt.sort();
        EXPECT_EQ(dealt, pieces) << layout;
    }
    EXPECT_EQ(tile_layouts::deal(pieces, 1), (QStringList{"4", "7", "6", "1", "2", "3", "5"}));
    EXPECT_EQ(tile_layouts::deal(pieces, 10), (QStringList{"2", "1", "3", "6", "7", "5", "4"}));
    EXPECT_EQ(tile_layouts::deal({"Te", "le", "fon", "num", "mer"}, 8).front(), "Te");
    EXPECT_EQ(tile_layouts::pick(0.0), 1);
    EXPECT_EQ(tile_layouts::pick(0.55), 6);
    EXPECT_EQ(tile_layouts::pick(0.999), 10);
}

TEST(TileBoard, RightTilesEmptyAndBuildTheWordWrongOnesBlockUntilUndone)
{
    TileBoard board;
    board.start({"Re", "gen", "wol", "ke", "Re", "gen", "bo"}, {"gen", "Re", "wol", "ke", "Re", "bo", "gen"},
                "Regenwolke", true);
    EXPECT_EQ(board.click(4), Click::Right);            // either "Re" counts
    EXPECT_EQ(board.caption(4), "");
    EXPECT_EQ(board.click(4), Click::Ignored);          // an empty tile
    EXPECT_EQ(board.click(3), Click::Wrong);
    EXPECT_TRUE(board.hidden(3));
    EXPECT_EQ(board.answer(), "Reke");
    EXPECT_EQ(board.click(0), Click::Ignored);          // blocked
    EXPECT_TRUE(board.undo());
    EXPECT_FALSE(board.undo());
    EXPECT_FALSE(board.hidden(3));
    EXPECT_EQ(board.caption(3), "ke");
    EXPECT_EQ(board.answer(), "Re");
    EXPECT_EQ(board.click(6), Click::Right);
    EXPECT_EQ(board.click(2), Click::Right);
    EXPECT_EQ(board.click(3), Click::Solved);
    EXPECT_EQ(board.answer(), "Regenwolke");
    EXPECT_EQ(board.click(1), Click::Ignored);          // complete
}

TEST(TileBoard, AfterTheWordFillerPiecesAreTakenWhenTheWordAllowsIt)
{
    // Blank fillers: wrong before the end, accepted after it.
    TileBoard board;
    board.start({"H", "u", "n", "d", " ", " ", " ", " "}, {" ", "d", "H", " ", "u", " ", "n", " "}, "Hund", false);
    EXPECT_EQ(board.click(0), Click::Wrong);
    board.undo();
    for (int tile : {2, 4, 6})
        EXPECT_EQ(board.click(tile), Click::Right);
    EXPECT_EQ(board.click(1), Click::Solved);
    EXPECT_EQ(board.click(7), Click::Right);
    EXPECT_EQ(board.answer(), "Hund ");

    // Empty pieces of an own picture: ignored before the end, then the word is solved again.
    board.start({"B", "au", "m", "", "", "", "", ""}, {"", "m", "B", "", "au", "", "", ""}, "Baum", false);
    EXPECT_EQ(board.click(0), Click::Ignored);
    for (int tile : {2, 4})
        EXPECT_EQ(board.click(tile), Click::Right);
    EXPECT_EQ(board.click(1), Click::Solved);
    EXPECT_EQ(board.click(0), Click::Solved);
    EXPECT_EQ(board.answer(), "Baum");
}

} // namespace

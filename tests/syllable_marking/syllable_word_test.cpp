// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/syllable_marking/SyllableWord.h"

#include <gtest/gtest.h>

using syllable_marking::SyllableWord;
using syllable_marking::isWritableKey;
using syllable_marking::matchesStart;

namespace {

struct SplitCase {
    const char* hyphenated;
    QStringList syllables;
    const char* word;
};

class SplitTable : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitTable, CutsAtHyphensIntoAtMostSixSyllables)
{
    const SplitCase c = GetParam();
    const SyllableWord word(QString::fromUtf8(c.hyphenated));
    EXPECT_EQ(word.syllables(), c.syllables);
    EXPECT_EQ(word.word(), QString::fromUtf8(c.word));
}

INSTANTIATE_TEST_SUITE_P(
    Words, SplitTable,
    ::testing::Values(SplitCase{"Kin-der-wa-gen", {"Kin", "der", "wa", "gen"}, "Kinderwagen"},
                      SplitCase{"Haus", {"Haus"}, "Haus"},
                      SplitCase{"Bü-gel-ei-sen", {"Bü", "gel", "ei", "sen"}, "Bügeleisen"},
                      SplitCase{"-Ba-na-ne", {"Ba", "na", "ne"}, "Banane"},
                      SplitCase{"Ba-na-ne-", {"Ba", "na", "ne"}, "Banane"},
                      // Seven syllables: the sixth slot takes the rest, so five boundaries mark it.
                      SplitCase{"a-b-c-d-e-f-g", {"a", "b", "c", "d", "e", "fg"}, "abcdefg"},
                      SplitCase{"a-b-c-d-e-f-g-h-i", {"a", "b", "c", "d", "e", "fghi"}, "abcdefghi"},
                      SplitCase{"", {}, ""}));

TEST(SyllableWord, PrefixAndRestShowTheGapsOpenedSoFar)
{
    const SyllableWord word(QStringLiteral("Kin-der-wa-gen"));
    EXPECT_EQ(word.prefix(1), "Kin");
    EXPECT_EQ(word.prefix(1) + word.rest(1), "Kin derwagen");
    EXPECT_EQ(word.prefix(2) + word.rest(2), "Kin der wagen");
    EXPECT_FALSE(word.markedUpTo(3));
    EXPECT_TRUE(word.markedUpTo(4));
    EXPECT_TRUE(SyllableWord(QStringLiteral("Haus")).markedUpTo(1));
}

TEST(SyllableWord, AClickHitsOnlyStrictlyWithin150Twips)
{
    EXPECT_TRUE(SyllableWord::hits(900, 751));
    EXPECT_TRUE(SyllableWord::hits(900, 1049));
    EXPECT_FALSE(SyllableWord::hits(900, 750));
    EXPECT_FALSE(SyllableWord::hits(900, 1050));
}

TEST(SyllableWord, WritableKeysAreLettersDigitsPunctuationUmlautsAndSharpS)
{
    for (int code : {33, 48, 63, 65, 90, 95, 97, 122, 128, 167, 176, 196, 214, 220, 223, 228, 246, 252})
        EXPECT_TRUE(isWritableKey(code)) << code;
    for (int code : {0, 8, 13, 32, 64, 91, 94, 96, 123, 127, 129, 197, 255})
        EXPECT_FALSE(isWritableKey(code)) << code;
}

TEST(SyllableWord, WrittenTextMustMatchTheWordsStartInItsCase)
{
    EXPECT_TRUE(matchesStart("", "Kinderwagen"));
    EXPECT_TRUE(matchesStart("Kin", "Kinderwagen"));
    EXPECT_FALSE(matchesStart("k", "Kinderwagen"));
    EXPECT_TRUE(matchesStart("Büg", "Bügeleisen"));
}

} // namespace

// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/typewriter/TypewriterKeyboard.h"
#include "exercises/typewriter/TypewriterWords.h"
#include "exercises/typewriter/TypingState.h"

#include <gtest/gtest.h>

using typewriter::TypewriterKey;
using typewriter::TypewriterWords;
using typewriter::TypingState;
using typewriter::kTypewriterKeys;
using typewriter::keyCaption;
using typewriter::splitTiles;

namespace {

using Press = TypingState::Press;
using Help = TypingState::Help;

QStringList tiles(std::initializer_list<const char*> list)
{
    QStringList t;
    for (const char* s : list)
        t.append(QString::fromUtf8(s));
    while (t.size() < 8)
        t.append(QString());
    return t;
}

TEST(TypewriterWords, TableHoldsNinetyFourWordsOfUsableTiles)
{
    const TypewriterWords words;
    ASSERT_EQ(words.count(), TypewriterWords::kAll);
    QStringList keyTexts;
    for (const TypewriterKey& key : kTypewriterKeys)
        keyTexts << QString::fromUtf8(key.first) << QString::fromUtf8(key.later);
    for (int n = 1; n <= TypewriterWords::kAll; ++n) {
        const QStringList t = words.tiles(n);
        EXPECT_EQ(t.join(QString()), words.word(n)) << n;
        const auto used = std::count_if(t.begin(), t.end(), [](const QString& s) { return !s.isEmpty(); });
        EXPECT_LE(used, n <= TypewriterWords::kShort ? 5 : 8) << words.word(n).toStdString();
        for (const QString& tile : t)
            EXPECT_TRUE(tile.isEmpty() || keyTexts.contains(tile)) << words.word(n).toStdString();
    }
}

TEST(TypewriterWords, GraphemesFormOneTileAndLongWordsKeepEight)
{
    EXPECT_EQ(splitTiles("Schneemann"), tiles({"Sch", "n", "e", "e", "m", "a", "n", "n"}));
    EXPECT_EQ(splitTiles("Papagei"), tiles({"P", "a", "p", "a", "g", "ei"}));
    EXPECT_EQ(splitTiles("Auge"), tiles({"Au", "g", "e"}));
    EXPECT_EQ(splitTiles("Muschel"), tiles({"M", "u", "sch", "e", "l"}));
    EXPECT_EQ(splitTiles("Krokodilbaum"), tiles({"K", "r", "o", "k", "o", "d", "i", "l"}));
}

TEST(TypewriterKeyboard, CapitalCaptions)
{
    EXPECT_EQ(keyCaption(0, false), "A  a");
    EXPECT_EQ(keyCaption(7, false), "I  i ");
    EXPECT_EQ(keyCaption(0, true), "A");
    EXPECT_EQ(keyCaption(19, true), "Z");
    EXPECT_EQ(keyCaption(20, true), "AU");
    EXPECT_EQ(keyCaption(21, true), "EI");
    EXPECT_EQ(keyCaption(22, true), "SCH");
}

TEST(TypingState, FirstTileCapitalLaterSmall)
{
    TypingState t;
    t.startWord(tiles({"Sch", "a", "f"}), false);
    EXPECT_EQ(t.press("Sch", "sch", false), Press::Right);
    EXPECT_EQ(t.Schrift, "Sch");
    EXPECT_EQ(t.press("A", "a", false), Press::Right);
    EXPECT_EQ(t.press("F", "f", false), Press::Solved);
    EXPECT_EQ(t.Schrift, "Schaf");
    EXPECT_EQ(t.press("A", "a", false), Press::Ignored);
    EXPECT_EQ(t.Schrift, "Schaf");
}

TEST(TypingState, WrongKeyBlocksUntilErasedByItsLength)
{
    TypingState t;
    t.startWord(tiles({"M", "au", "s"}), false);
    t.press("M", "m", false);
    EXPECT_EQ(t.press("Sch", "sch", false), Press::Wrong);
    EXPECT_EQ(t.Schrift, "Msch");
    EXPECT_TRUE(t.fehler);
    EXPECT_EQ(t.press("Au", "au", false), Press::Ignored);
    EXPECT_TRUE(t.erase());
    EXPECT_EQ(t.Schrift, "M");
    EXPECT_FALSE(t.erase());
    EXPECT_EQ(t.press("Au", "au", false), Press::Right);
    EXPECT_EQ(t.press("Ei", "ei", false), Press::Wrong);
    t.erase();
    EXPECT_EQ(t.Schrift, "Mau");
    EXPECT_EQ(t.press("S", "s", false), Press::Solved);
}

TEST(TypingState, CapitalsTypeUpperCase)
{
    TypingState t;
    t.startWord(tiles({"Ei", "s"}), true);
    EXPECT_EQ(t.Wortname, "EIS");
    EXPECT_EQ(t.press("Ei", "ei", true), Press::Right);
    EXPECT_EQ(t.press("S", "s", true), Press::Solved);
    EXPECT_EQ(t.Schrift, "EIS");
}

TEST(TypingState, HelpWritesTheExpectedTileAfterErasingAWrongKey)
{
    TypingState t;
    t.startWord(tiles({"H", "u", "t"}), false);
    t.press("H", "h", false);
    t.press("O", "o", false);
    EXPECT_EQ(t.help(1), Help::Written);
    EXPECT_EQ(t.Schrift, "Hu");
    EXPECT_EQ(t.Tipp, 1);
    EXPECT_EQ(t.help(1), Help::Completed);
    EXPECT_EQ(t.help(1), Help::Ignored);
    t.restart();
    EXPECT_EQ(t.Schrift, "");
    EXPECT_EQ(t.Tipp, 0);
    EXPECT_EQ(t.Aktuell, "H");
    EXPECT_EQ(t.help(2), Help::Ignored);
}

} // namespace

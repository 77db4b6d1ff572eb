// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/syllable_riddle/SyllableRiddle.h"

#include "framework/ExerciseState.h"
#include "framework/ProtokollClass.h"

#include "tests/support/fixture.h"

#include <random>
#include <set>

using syllable_riddle::SyllableRiddle;

namespace {

using Grid = std::array<std::array<int, 4>, 3>;

class RiddleTest : public testing_support::SuiteTest {
protected:
    RiddleTest() : proto(state), riddle(state, [this]() -> ProtokollClass& { return proto; }) {}

    // Words the child sees in one column, in button order.
    static QStringList captions(const std::array<SyllableRiddle::Button, 4>& column)
    {
        QStringList texts;
        for (const auto& button : column)
            texts << button.caption;
        return texts;
    }
    QStringList turnWords() const
    {
        QStringList words;
        for (const auto& word : riddle.turn)
            words << word.joined();
        return words;
    }
    void scriptRandom(std::uint32_t seed, int count)
    {
        std::mt19937 generator(seed);
        std::uniform_real_distribution<double> uniform(0.0, 1.0);
        for (int i = 0; i < count; ++i)
            clock->randoms.push_back(uniform(generator));
    }

    ExerciseState state;
    ProtokollClass proto;
    SyllableRiddle riddle;
};

TEST_F(RiddleTest, TableCutsEachWordIntoTwoSyllables)
{
    const auto& table = SyllableRiddle::table();
    ASSERT_EQ(table.size(), 58u);
    EXPECT_EQ(table[0].first, "Lu");
    EXPECT_EQ(table[47].first, "Schrau");
    EXPECT_EQ(table[47].second, "be");
    EXPECT_EQ(table[47].joined(), "Schraube");
    EXPECT_EQ(table[57].joined(), "Eimer");
    for (const auto& word : table)
        EXPECT_FALSE(word.first.isEmpty() || word.second.isEmpty() || word.second.contains('-'));
}

// Many turns over scripted draws: the words of a turn differ, every column holds all four, and a
// word's parts stand side by side only in the last place, rarely.
TEST_F(RiddleTest, TurnsPlaceFourDifferentWordsApartInEveryColumn)
{
    int clashes = 0;
    int turns = 0;
    for (const std::uint32_t seed : {1u, 2u, 3u}) {
        scriptRandom(seed, 40000);
        riddle.setLevel(SyllableRiddle::Level::All);
        for (int turn = 0; turn < 400; ++turn, ++turns) {
            riddle.Weiter();
            const QStringList words = turnWords();
            EXPECT_EQ(QSet<QString>(words.begin(), words.end()).size(), 4) << words.join(' ').toStdString();
            QStringList firsts, seconds, pictures;
            for (const auto& word : riddle.turn) {
                firsts << word.first;
                seconds << word.second;
                pictures << word.joined();
            }
            QStringList tags;
            for (int i = 0; i < 4; ++i) {
                tags << riddle.Bild[i].tag;
                EXPECT_EQ(riddle.Silbe1[i].tag, words[riddle.grid[0][i] - 1]);
            }
            for (QStringList* list : {&firsts, &seconds, &pictures})
                list->sort();
            QStringList shownFirsts = captions(riddle.Silbe1);
            QStringList shownSeconds = captions(riddle.Silbe2);
            shownFirsts.sort();
            shownSeconds.sort();
            tags.sort();
            EXPECT_EQ(shownFirsts, firsts);
            EXPECT_EQ(shownSeconds, seconds);
            EXPECT_EQ(tags, pictures);
            for (int row = 0; row < 3; ++row) {
                std::set<int> cells(riddle.grid[row].begin(), riddle.grid[row].end());
                EXPECT_EQ(cells, (std::set<int>{1, 2, 3, 4}));
            }
            for (int i = 0; i < 3; ++i) {
                EXPECT_NE(riddle.grid[1][i], riddle.grid[0][i]);
                EXPECT_NE(riddle.grid[2][i], riddle.grid[1][i]);
            }
            if (riddle.grid[1][3] == riddle.grid[0][3] || riddle.grid[2][3] == riddle.grid[1][3])
                ++clashes;
        }
    }
    EXPECT_LT(clashes, turns / 20) << clashes << " clashes in " << turns << " turns";
}

// Draws that give rows 1234 / 2314 / 1234: both lower rows clash in the last place.
std::vector<double> clashingAttempt()
{
    return {0, 0, 0, 0, 0.3, 0.6, 0, 0, 0.3, 0.6};
}

// Draws that give rows 1234 / 2143 / 1234 (no clash).
std::vector<double> cleanAttempt()
{
    return {0, 0, 0, 0, 0.3, 0, 0, 0.6, 0.6, 0, 0.3, 0, 0.3, 0};
}

TEST_F(RiddleTest, AClashInTheLastPlaceIsRetriedUpToFourAttempts)
{
    struct Case {
        int clashing;
        Grid grid;
    };
    const Grid clean{{{1, 2, 3, 4}, {2, 1, 4, 3}, {1, 2, 3, 4}}};
    const Grid clash{{{1, 2, 3, 4}, {2, 3, 1, 4}, {1, 2, 3, 4}}};
    for (const Case& c : {Case{0, clean}, Case{1, clean}, Case{3, clean}, Case{4, clash}}) {
        clock->randoms.clear();
        for (int word = 0; word < 4; ++word)
            clock->randoms.push_back(0.5);
        for (int attempt = 0; attempt < c.clashing; ++attempt)
            for (const double r : clashingAttempt())
                clock->randoms.push_back(r);
        for (const double r : cleanAttempt())
            clock->randoms.push_back(r);
        riddle.setLevel(SyllableRiddle::Level::All);
        EXPECT_EQ(riddle.grid, c.grid) << c.clashing << " clashing attempts";
        // The fourth attempt is kept: the draws of a fifth stay unused.
        EXPECT_EQ(clock->randoms.size(), c.clashing == 4 ? cleanAttempt().size() : 0u);
    }
}

TEST_F(RiddleTest, TheLastTwoWordsOfACycleGiveWayToAFreshCycle)
{
    // Every draw takes the lowest number left: the turns walk through the table in order.
    clock->randoms.assign(20000, 0.0);
    riddle.setLevel(SyllableRiddle::Level::All);
    QStringList seen = turnWords();
    for (int turn = 2; turn <= 14; ++turn) {
        riddle.Weiter();
        seen << turnWords();
    }
    EXPECT_EQ(QSet<QString>(seen.begin(), seen.end()).size(), 56);
    EXPECT_FALSE(seen.contains("Kamin") || seen.contains("Eimer"));
    // Only "Ka-min" and "Ei-mer" are left: the turn takes four words of the next cycle instead.
    riddle.Weiter();
    EXPECT_EQ(turnWords(), (QStringList{"Lupe", "Foto", "Maler", "Mama"}));
    riddle.Weiter();
    EXPECT_EQ(turnWords(), (QStringList{"Papa", "Schale", "Mofa", "Sofa"}));
}

TEST_F(RiddleTest, ALevelMenuStartsANewCycle)
{
    clock->randoms.assign(20000, 0.0);
    riddle.setLevel(SyllableRiddle::Level::All);
    riddle.Weiter();
    EXPECT_EQ(turnWords(), (QStringList{"Papa", "Schale", "Mofa", "Sofa"}));
    riddle.setLevel(SyllableRiddle::Level::Hard);
    EXPECT_EQ(riddle.level, SyllableRiddle::Level::Hard);
    EXPECT_EQ(turnWords(), (QStringList{"Lupe", "Foto", "Maler", "Mama"}));
}

} // namespace

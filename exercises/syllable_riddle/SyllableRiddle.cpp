// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/syllable_riddle/SyllableRiddle.h"

#include "exercises/common/Answers.h"
#include "framework/ExerciseState.h"
#include "framework/ProtokollClass.h"
#include "framework/SyllableSplit.h"
#include "exercises/common/WordTable.h"

#include <algorithm>

namespace syllable_riddle {

namespace {

constexpr int kGridAttempts = 4;
// 1 + 2 + 3 + 4: the sum of a full row of the grid.
constexpr int kRowSum = 10;

std::vector<SyllableRiddle::Word> readTable()
{
    std::vector<SyllableRiddle::Word> words;
    for (const QString& word : readWordTable(QStringLiteral("rateflor"))) {
        const QStringList syllables = splitSyllables(word, 2);
        words.push_back({syllables.value(0), syllables.value(1)});
    }
    return words;
}

} // namespace

const std::vector<SyllableRiddle::Word>& SyllableRiddle::table()
{
    static const std::vector<Word> words = readTable();
    return words;
}

SyllableRiddle::SyllableRiddle(ExerciseState& state, std::function<ProtokollClass&()> proto)
    : state_(state), proto_(std::move(proto))
{
    Zufall.setAnzahl(kTableWords);
    RFolge.setAnzahl(kPositions);
}

void SyllableRiddle::setLevel(Level newLevel)
{
    level = newLevel;
    Zufall.setAnzahl(kTableWords);
    Weiter();
}

void SyllableRiddle::Weiter()
{
    for (int i = 0; i < kPositions; ++i) {
        Silbe1[i].enabled = true;
        Silbe2[i].enabled = false;
        // A turn begun during the pause of a joined word must not keep pictures disabled.
        Bild[i].enabled = true;
        used[i] = false;
    }
    chosenFirst.clear();
    chosenSecond.clear();
    drawWords();
    buildGrid();
    for (int i = 0; i < kPositions; ++i) {
        const Word& first = turn[grid[0][i] - 1];
        Silbe1[i].caption = first.first;
        Silbe1[i].tag = first.joined();
        Silbe2[i].caption = turn[grid[1][i] - 1].second;
        Bild[i].tag = turn[grid[2][i] - 1].joined();
    }
    mark = exercise::Mark::None;
    state_.TaskWrong = false;
}

// A draw that ends the drawer's cycle starts the turn over, so its four words all come from
// the next cycle and never repeat one another.
void SyllableRiddle::drawWords()
{
    int i = 0;
    while (i < kPositions) {
        turn[i] = table().at(static_cast<std::size_t>(Zufall.ZufallsZahl() - 1));
        i = Zufall.ReachedEnd() ? 0 : i + 1;
    }
}

// Up to four attempts to keep a word's parts out of one line; a clash in the last place that
// survives them is kept.
void SyllableRiddle::buildGrid()
{
    for (int attempt = 1; attempt <= kGridAttempts; ++attempt) {
        grid = {};
        Reihenfolge.ZufallsZahl(kPositions);
        for (int i = 0; i < kPositions; ++i)
            grid[0][i] = Reihenfolge.Zahl(i + 1);
        fillRow(1);
        fillRow(2);
        const int last = kPositions - 1;
        if (grid[1][last] != grid[0][last] && grid[2][last] != grid[1][last])
            return;
    }
}

void SyllableRiddle::fillRow(int row)
{
    auto& cells = grid[row];
    for (int column = 0; column < kPositions - 1; ++column) {
        RFolge.ClearArray();
        int n = 0;
        do {
            n = RFolge.ZufallsZahl();
        } while (n == grid[row - 1][column]
                 || std::find(cells.begin(), cells.begin() + column, n) != cells.begin() + column);
        cells[column] = n;
    }
    cells[kPositions - 1] = kRowSum - cells[0] - cells[1] - cells[2];
}

bool SyllableRiddle::isPicture(const QString& word) const
{
    return std::any_of(Bild.begin(), Bild.end(), [&](const Button& b) { return b.tag == word; });
}

bool SyllableRiddle::Silbe1_Click(int index)
{
    Button& clicked = Silbe1[index];
    if (!chosenFirst.isEmpty() || clicked.tag.isEmpty() || !clicked.enabled)
        return false;
    mark = exercise::Mark::None;
    state_.TaskWrong = false;
    chosenFirst = clicked.caption;
    for (int i = 0; i < kPositions; ++i) {
        Silbe1[i].enabled = i == index;
        // A second syllable already used is not offered again to rebuild a word: with "Ma-ler"
        // and "Ma-ma", once "ma" is used, neither "Ma" offers it, so both words get built.
        Silbe2[i].enabled = !(used[i] && isPicture(chosenFirst + Silbe2[i].caption));
    }
    clicked.tag.clear();
    proto_().NeueAufgabe = true;
    return true;
}

SyllableRiddle::Click SyllableRiddle::Silbe2_Click(int index)
{
    // Without a chosen first syllable (the pause after a joined word) there is nothing to join.
    if (!chosenSecond.isEmpty() || chosenFirst.isEmpty() || !Silbe2[index].enabled)
        return Click::Ignored;
    mark = exercise::Mark::None;
    const QString joined = chosenFirst + Silbe2[index].caption;
    if (!isPicture(joined)) {
        state_.TaskWrong = true;
        mark = exercise::Mark::Wrong;
        return Click::Wrong;
    }
    for (int i = 0; i < kPositions; ++i)
        Silbe2[i].enabled = i == index;
    chosenSecond = Silbe2[index].caption;
    used[index] = true;
    proto_().Aufgabe = joined;
    return Click::Accepted;
}

SyllableRiddle::Click SyllableRiddle::Bild_Click(int index)
{
    if (chosenSecond.isEmpty() || !Bild[index].enabled)
        return Click::Ignored;
    if (Bild[index].tag == chosenFirst + chosenSecond) {
        for (int i = 0; i < kPositions; ++i)
            Bild[i].enabled = i == index;
        chosenFirst.clear();
        chosenSecond.clear();
        // The word was right at the first try unless its second syllable or its picture was
        // missed first.
        exercise::recordAnswer(state_, proto_(), !state_.TaskWrong);
        exercise::countTask(state_, state_.TaskWrong);
        state_.TaskWrong = false;
        mark = exercise::Mark::Right;
        return Click::Accepted;
    }
    mark = exercise::Mark::Wrong;
    exercise::recordAnswer(state_, proto_(), false);
    return Click::Wrong;
}

void SyllableRiddle::pauseOver()
{
    for (int i = 0; i < kPositions; ++i) {
        Silbe1[i].enabled = !Silbe1[i].tag.isEmpty();
        Silbe2[i].enabled = false;
        Bild[i].enabled = true;
    }
    mark = exercise::Mark::None;
}

void SyllableRiddle::hideFalsch()
{
    if (mark == exercise::Mark::Wrong)
        mark = exercise::Mark::None;
}

bool SyllableRiddle::turnDone() const
{
    return std::all_of(Silbe1.begin(), Silbe1.end(), [](const Button& b) { return b.tag.isEmpty(); });
}

} // namespace syllable_riddle

// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercises/common/Answers.h"
#include "exercises/backdrop/ZuZahl.h"
#include "framework/Zufall_Array.h"

#include <QString>

#include <array>
#include <functional>
#include <vector>

struct ExerciseState;
class ProtokollClass;

namespace syllable_riddle {

// The syllable riddle without widgets: the turn of four words, the order grid that places them
// in the three columns, and what each click on a syllable or a picture offers, logs and counts.
// Positions 0..3 stand for the buttons (1)..(4) of a column.
class SyllableRiddle {
public:
    static constexpr int kPositions = 4;
    static constexpr int kTableWords = 58;
    static constexpr int kBlockSize = 8;

    struct Word {
        QString first;
        QString second;
        QString joined() const { return first + second; }
    };
    struct Button {
        QString caption;
        QString tag;
        bool enabled = true;
    };
    enum class Click { Ignored, Accepted, Wrong };
    // Kept, though the table is the same for all three.
    enum class Level { All = 0, Easy = 1, Hard = 2 };

    // The built-in words in table order (entry n - 1 is word n).
    static const std::vector<Word>& table();

    SyllableRiddle(ExerciseState& state, std::function<ProtokollClass&()> proto);

    std::array<Button, kPositions> Silbe1;
    std::array<Button, kPositions> Silbe2;
    std::array<Button, kPositions> Bild;
    std::array<bool, kPositions> used{};
    QString chosenFirst;
    QString chosenSecond;
    exercise::Mark mark = exercise::Mark::None;
    Level level = Level::All;

    // The four words of the turn and, per row (first syllables, second syllables, pictures),
    // which of them (1..4) stands at each position.
    std::array<Word, kPositions> turn;
    std::array<std::array<int, kPositions>, 3> grid{};

    // A new turn.
    void Weiter();
    // A level menu: a new cycle through the table and a new turn.
    void setLevel(Level newLevel);
    bool Silbe1_Click(int index);
    Click Silbe2_Click(int index);
    // Accepted: the picture of the joined word.
    Click Bild_Click(int index);
    void hideFalsch();
    // The pause after a joined word is over: the first syllables left are offered again.
    void pauseOver();
    bool turnDone() const;

private:
    void drawWords();
    void buildGrid();
    void fillRow(int row);
    bool isPicture(const QString& word) const;

    ExerciseState& state_;
    std::function<ProtokollClass&()> proto_;
    Zufall_Array Zufall;
    Zufall_Array RFolge;
    ZuZahl Reihenfolge;
};

} // namespace syllable_riddle

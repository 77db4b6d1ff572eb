// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercises/word_puzzle/PuzzleWords.h"
#include "exercises/common/TilePuzzleForm.h"

namespace word_puzzle {

// The word puzzle: the child builds the word of a picture, built in or one of the teacher's own,
// from its letters and letter groups on eight tiles.
class Form1 : public TilePuzzleForm {
    Q_OBJECT
public:
    explicit Form1(ExerciseState& state);

    QStringList Pieces;
    QString PuzzleWord;
    QString PictureFile;
    const PuzzleWords words;

    void getWord();
    void GetOwnWord();
    void NewPuzzle();

protected:
    void startExercise() override;
    void nextTask() override { NewPuzzle(); }
    QString taskWord() const override { return PuzzleWord; }

private:
    void addTiles();
    void addMenus();
    bool findWordWithPicture();
    void layOut();
};

} // namespace word_puzzle

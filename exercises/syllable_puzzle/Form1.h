// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercises/common/SyllableWords.h"
#include "exercises/common/TilePuzzleForm.h"

namespace syllable_puzzle {

// The syllable puzzle: the child builds the word of a picture from syllables scattered on
// seven tiles, among syllables of another word. Beyond the built-in levels its word sets are
// the teacher's own word lists, further word lists and the own pictures.
class Form1 : public TilePuzzleForm {
    Q_OBJECT
public:
    explicit Form1(ExerciseState& state);

    QString Wortname;
    QStringList Syllables;
    const SyllableWords words;

    QAction* WMehr = nullptr;
    QAction* WDateiauswahl = nullptr;

    void StartListe();
    void ReArrange();
    void SilbenZusatz(int Nummer);
    void NextWord();

    void WDateiauswahl_Click();
    void WMehr_Click();

protected:
    void startExercise() override;
    void nextTask() override { NextWord(); }
    QString taskWord() const override { return Wortname; }

private:
    void addMenus();
    void addTiles();
    PuzzleLevel askLevel();
    bool listMode() const { return Level == PuzzleLevel::OwnLists || Level == PuzzleLevel::MoreLists; }
    void showMode(bool lists);
    void showListMode();
    void chooseWord();
    void dealTiles();
};

} // namespace syllable_puzzle

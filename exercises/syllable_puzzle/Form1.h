#pragma once

#include "SyllableWords.h"
#include "TilePuzzleForm.h"

#include <memory>

class GetOwnWords;
class UsedWordFile;

// The syllable puzzle: the child builds the word of a picture from syllables scattered on
// seven tiles, among syllables of another word.
class Form1 : public TilePuzzleForm {
    Q_OBJECT
public:
    explicit Form1(ExerciseState& state);
    ~Form1() override;

    // Word set: 1 three syllables, 2 four or more, 3 all built-in words, 10 own word lists,
    // 11 further word lists, 100 own pictures; 0 until one is chosen.
    int Level = 0;
    int WordNumber = 0;
    int LayoutNumber = 0;
    QString Wortname;
    QStringList Syllables;
    const SyllableWords words;
    std::unique_ptr<GetOwnWords> OwnPictures;
    std::unique_ptr<UsedWordFile> usedWords;

    QAction* Leicht = nullptr;
    QAction* schwere = nullptr;
    QAction* alle = nullptr;
    QAction* WMehr = nullptr;
    QAction* WDateiauswahl = nullptr;
    QAction* WEigene = nullptr;

    void StartListe();
    void ReArrange();
    void SilbenZusatz(int Nummer);
    void Vorne() override;
    void NextWord();

    void Leicht_Click();
    void schwere_Click();
    void alle_Click();
    void WDateiauswahl_Click();
    void WMehr_Click();
    void WEigene_Click();

protected:
    void loadProgramSettings() override;
    void startExercise() override;
    void nextTask() override { NextWord(); }
    QString taskWord() const override { return Wortname; }

private:
    void addMenus();
    void addTiles();
    int askLevel();
    bool listMode() const { return Level == 10 || Level == 11; }
    void showBuiltInMode();
    void showListMode();
    void builtInLevel(QAction* item, int level);
    void checkWordSet(QAction* item);
    void chooseWord();
    void dealTiles();
};

#pragma once

#include "PuzzleWords.h"
#include "TilePuzzleForm.h"

#include <memory>

class GetOwnWords;
class UsedWordFile;

// The word puzzle: the child builds the word of a picture from its letters and letter groups
// on eight tiles.
class Form1 : public TilePuzzleForm {
    Q_OBJECT
public:
    explicit Form1(ExerciseState& state);
    ~Form1() override;

    // 1 easy words, 2 harder words, 3 all built-in words, 10 own pictures.
    int PuzzleLevel = 0;
    int WordNumber = 0;
    int LayoutNumber = 0;
    QStringList Pieces;
    QString PuzzleWord;
    QString PictureFile;
    const PuzzleWords words;
    std::unique_ptr<GetOwnWords> OwnPictures;
    std::unique_ptr<UsedWordFile> usedWords;

    QAction* Leicht = nullptr;
    QAction* schwere = nullptr;
    QAction* alle = nullptr;
    QAction* WEigene = nullptr;

    void Vorne() override;
    void getWord();
    void GetOwnWord();
    void NewPuzzle();

    void Leicht_Click();
    void schwere_Click();
    void alle_Click();
    void WEigene_Click();

protected:
    void loadProgramSettings() override;
    void startExercise() override;
    void nextTask() override { NewPuzzle(); }
    QString taskWord() const override { return PuzzleWord; }

private:
    void addTiles();
    void addMenus();
    bool capitals() const { return state.options.Buchstaben == -1; }
    void builtInLevel(QAction* item, int level);
    void checkLevel(QAction* item);
    bool findWordWithPicture();
    void layOut();
};

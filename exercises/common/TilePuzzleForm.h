// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercises/common/ExerciseForm.h"
#include "exercises/common/TileBoard.h"

#include <QRect>

#include <array>
#include <functional>
#include <memory>
#include <vector>

class GetOwnWords;
class UsedWordFile;

// The word sets of both puzzles, `None` until one is chosen. The word puzzle has no lists.
enum class PuzzleLevel { None, Easy, Harder, All, OwnLists, MoreLists, OwnPictures };

// The word sets of a puzzle beyond what its menu shows.
struct PuzzleWordSets {
    int easyWords;
    int harderWords;
    int allWords;
    QString ownPicturesFolder;
    bool ownPicturesInSyllables;    // own picture names cut into syllables, else into letter groups
};

// The window both puzzles share: a picture, tiles the child clicks, the answer line in its
// frame, the right and wrong marks and the buttons "Löschen", "Weiter" and the exit button.
// A program places its tiles and answer line and deals its words onto the board. Both offer
// built-in word sets by level and the teacher's own pictures, drawn without repetition.
class TilePuzzleForm : public ExerciseForm {
    Q_OBJECT
public:
    TilePuzzleForm(ExerciseState& state, ExerciseConfig config, PuzzleWordSets sets);
    ~TilePuzzleForm() override;

    PuzzleLevel Level = PuzzleLevel::None;
    int WordNumber = 0;
    int LayoutNumber = 0;
    std::unique_ptr<GetOwnWords> OwnPictures;
    std::unique_ptr<UsedWordFile> usedWords;

    TileBoard board;
    std::vector<QLabel*> Bezeichnung;      // the tiles
    QLabel* Picture1 = nullptr;
    QLabel* Bezeichnung8 = nullptr;
    QLabel* Bild1 = nullptr;
    QPushButton* Loeschen = nullptr;
    QPushButton* Weiter = nullptr;
    QPushButton* Exitknopf = nullptr;
    QAction* Drucken = nullptr;
    QAction* Leicht = nullptr;
    QAction* schwere = nullptr;
    QAction* alle = nullptr;

    // Empties the used-word file and sizes the word set of the current level.
    void Vorne();

    void Bezeichnung_Click(int tile);
    void Loeschen_Click();
    void Drucken_Click();
    void Leicht_Click();
    void schwere_Click();
    void alle_Click();
    void WEigene_Click();

protected:
    struct Layout {
        QRect picture;              // Bild1
        QRect answerFrame;          // Picture1
        QRect answerLine;           // Bezeichnung8, inside the frame
        double answerPoints;
        QRect mark;                 // Richtig and Falsch
    };
    void addPuzzleControls(const Layout& layout);
    QLabel* addTile(const QString& name, const QRect& twips, double points);
    // The teacher menu's word sets (level items) after a separator: "Leicht", "schwere" and
    // "alle" with the given captions, the sets `addMore` adds, the hidden "WEigene", then a
    // separator and "Drucken".
    void addWordSetMenu(const std::array<QString, 3>& captions, const QString& ownPicturesCaption,
                        const std::function<void()>& addMore = {});
    void loadProgramSettings() override;
    // The board on the tiles and the answer line.
    void showTiles();
    // The word as the log and the worksheets write it.
    virtual QString taskWord() const = 0;

private:
    void builtInLevel(QAction* item, PuzzleLevel level);

    const PuzzleWordSets sets_;
};

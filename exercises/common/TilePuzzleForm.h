#pragma once

#include "ExerciseForm.h"
#include "TileBoard.h"

#include <QRect>

#include <vector>

// The window both puzzles share: a picture, tiles the child clicks, the answer line in its
// frame, the right and wrong marks and the buttons "Löschen", "Weiter" and the exit button.
// A program places its tiles and answer line and deals its words onto the board.
class TilePuzzleForm : public ExerciseForm {
    Q_OBJECT
public:
    TilePuzzleForm(ExerciseState& state, ExerciseConfig config);
    ~TilePuzzleForm() override;

    TileBoard board;
    std::vector<QLabel*> Bezeichnung;      // the tiles
    QLabel* Picture1 = nullptr;
    QLabel* Bezeichnung8 = nullptr;
    QLabel* Bild1 = nullptr;
    QLabel* Falsch = nullptr;
    QPushButton* Loeschen = nullptr;
    QPushButton* Weiter = nullptr;
    QPushButton* Exitknopf = nullptr;
    QAction* Drucken = nullptr;

    // Empties the used-word file and sizes the word set of the current level.
    virtual void Vorne() = 0;

    void Bezeichnung_Click(int tile);
    void Loeschen_Click();
    void Drucken_Click();

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
    // The teacher menu's closing part: a separator and "Drucken".
    void addPrintItem();
    // The board on the tiles and the answer line.
    void showTiles();
    // The word as the log and the worksheets write it.
    virtual QString taskWord() const = 0;
};

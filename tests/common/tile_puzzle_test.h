#pragma once

#include "exercise_test.h"

#include "TilePuzzleForm.h"

#include <QAbstractButton>
#include <QStringList>
#include <QTest>

namespace testing_support {

// What a child and a teacher do on the window of either puzzle.
namespace tile_puzzle {
void clickTile(const TilePuzzleForm& form, int tile);
// Clicks the first visible tile that shows `text`.
void clickText(const TilePuzzleForm& form, const QString& text);
// Builds the current word from where the child stands.
void buildWord(const TilePuzzleForm& form);
// A visible tile whose piece is wrong now; -1 when there is none.
int wrongTile(const TilePuzzleForm& form);
QStringList tileTexts(const TilePuzzleForm& form);
// The teacher menu's "Drucken", the print dialog answered for all words or the current one;
// `allCaption` gets the caption of its "all words" choice.
void printWorksheets(TilePuzzleForm& form, bool all, QString* allCaption = nullptr);
// The words the recording printer printed, in order.
QStringList printedWords(const FakePrinter& printer);
} // namespace tile_puzzle

// A puzzle `Window` as a pupil meets it, driven through its tiles and buttons.
template <class Window>
class TilePuzzleTest : public ExerciseTest<Window> {
protected:
    // Scripted random numbers: word n of a set of `count`, layout l.
    static double draw(int n, int count) { return (n - 0.5) / count; }
    static double layout(int l) { return (l - 0.5) / 10; }

    static void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    void clickTile(int tile) const { tile_puzzle::clickTile(*this->form, tile); }
    void clickText(const QString& text) const { tile_puzzle::clickText(*this->form, text); }
    void buildWord() const { tile_puzzle::buildWord(*this->form); }
    int wrongTile() const { return tile_puzzle::wrongTile(*this->form); }
    QStringList tileTexts() const { return tile_puzzle::tileTexts(*this->form); }
    void print(bool all, QString* allCaption = nullptr) { tile_puzzle::printWorksheets(*this->form, all, allCaption); }
    QStringList printedWords() const { return tile_puzzle::printedWords(*this->printer); }
};

} // namespace testing_support

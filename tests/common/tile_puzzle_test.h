// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tests/support/exercise_test.h"

#include "exercises/common/TilePuzzleForm.h"

#include "framework/Qualitaet.h"

#include <QAbstractButton>
#include <QStringList>
#include <QTest>

namespace testing_support {

// What a child and a teacher do on the window of either puzzle.
namespace tile_puzzle {

inline void clickTile(const TilePuzzleForm& form, int tile)
{
    QTest::mouseClick(form.Bezeichnung[static_cast<std::size_t>(tile)], Qt::LeftButton);
}

// Clicks the first visible tile that shows `text`.
inline void clickText(const TilePuzzleForm& form, const QString& text)
{
    for (std::size_t i = 0; i < form.Bezeichnung.size(); ++i)
        if (form.Bezeichnung[i]->isVisible() && form.Bezeichnung[i]->text() == text) {
            clickTile(form, static_cast<int>(i));
            return;
        }
    ADD_FAILURE() << "no tile shows " << text.toStdString();
}

// Builds `word` from where the child stands, reading the tiles as a child does: each time the
// shown tile whose text the rest of the word begins with, the longest first. Stops at a piece
// judged wrong.
inline void buildWord(const TilePuzzleForm& form, const QString& word)
{
    while (form.Richtig->isHidden()) {
        const QString built = form.Bezeichnung8->text();
        if (!word.startsWith(built) || built.size() >= word.size()) {
            ADD_FAILURE() << "the answer line \"" << built.toStdString() << "\" does not lead to "
                          << word.toStdString();
            return;
        }
        const QString rest = word.mid(built.size());
        int tile = -1;
        for (std::size_t i = 0; i < form.Bezeichnung.size(); ++i) {
            const QString text = form.Bezeichnung[i]->text();
            if (form.Bezeichnung[i]->isVisible() && !text.trimmed().isEmpty() && rest.startsWith(text)
                && (tile < 0 || text.size() > form.Bezeichnung[static_cast<std::size_t>(tile)]->text().size()))
                tile = static_cast<int>(i);
        }
        if (tile < 0) {
            ADD_FAILURE() << "no tile goes on with " << rest.toStdString();
            return;
        }
        clickTile(form, tile);
        if (form.Bezeichnung8->text() == built)
            return;
    }
}

// Builds the word the window asks for.
inline void buildWord(const TilePuzzleForm& form)
{
    buildWord(form, form.board.target());
}

// A visible tile whose piece is wrong now; -1 when there is none.
inline int wrongTile(const TilePuzzleForm& form)
{
    for (std::size_t i = 0; i < form.Bezeichnung.size(); ++i) {
        const QString text = form.Bezeichnung[i]->text();
        if (!text.trimmed().isEmpty() && text != form.board.expected())
            return static_cast<int>(i);
    }
    return -1;
}

inline QStringList tileTexts(const TilePuzzleForm& form)
{
    QStringList texts;
    for (QLabel* tile : form.Bezeichnung)
        texts << tile->text();
    return texts;
}

// The teacher menu's "Drucken", the print dialog answered for all words or the current one;
// `allCaption` gets the caption of its "all words" choice.
inline void printWorksheets(TilePuzzleForm& form, bool all, QString* allCaption = nullptr)
{
    whenShown("Qualität", [all, allCaption](platform::Form& shown) {
        auto& dialog = static_cast<Qualitaet&>(shown);
        if (allCaption)
            *allCaption = dialog.alle->text();
        if (all)
            QTest::mouseClick(dialog.alle, Qt::LeftButton);
        QTest::mouseClick(dialog.Command1, Qt::LeftButton);
    });
    form.Drucken->trigger();
}

// The words the recording printer printed, in order.
inline QStringList printedWords(const FakePrinter& printer)
{
    QStringList words;
    for (const PrintedItem& item : printer.printedItems())
        if (item.kind == PrintedItem::Kind::Text)
            words << item.text;
    return words;
}

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
    void buildWord(const QString& word) const { tile_puzzle::buildWord(*this->form, word); }
    int wrongTile() const { return tile_puzzle::wrongTile(*this->form); }
    QStringList tileTexts() const { return tile_puzzle::tileTexts(*this->form); }
    void print(bool all, QString* allCaption = nullptr) { tile_puzzle::printWorksheets(*this->form, all, allCaption); }
    QStringList printedWords() const { return tile_puzzle::printedWords(*this->printer); }
};

} // namespace testing_support

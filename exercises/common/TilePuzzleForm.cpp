// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/common/TilePuzzleForm.h"

#include "exercises/common/TileLabel.h"
#include "framework/WordCardPrinting.h"

#include "framework/DesignPictures.h"
#include "framework/GetOwnWords.h"
#include "framework/ProtokollClass.h"
#include "framework/UsedWordFile.h"

#include "platform/forms/twips.h"

namespace {

void setButtonPicture(QAbstractButton* button, DesignPicture picture, int size)
{
    button->setIcon(platform::pictureIcon(designPicturePath(picture)));
    button->setIconSize(platform::scaledSize(QSize(size, size)));
}

} // namespace

TilePuzzleForm::TilePuzzleForm(ExerciseState& s, ExerciseConfig c, PuzzleWordSets sets)
    : ExerciseForm(s, std::move(c)), sets_(std::move(sets))
{
}

TilePuzzleForm::~TilePuzzleForm() = default;

QLabel* TilePuzzleForm::addTile(const QString& name, const QRect& twips, double points)
{
    const int i = static_cast<int>(Bezeichnung.size());
    QLabel* tile = addLabel(name, twips);
    platform::setControlFont(tile, QStringLiteral("Arial"), points, true);
    makeTile(tile, [this, i] { Bezeichnung_Click(i); });
    Bezeichnung.push_back(tile);
    return tile;
}

void TilePuzzleForm::addPuzzleControls(const Layout& layout)
{
    Bild1 = addPicture(QStringLiteral("Bild1"), layout.picture);
    Picture1 = addPicture(QStringLiteral("Picture1"), layout.answerFrame);
    Picture1->setFrameShape(QFrame::Box);
    Picture1->setAutoFillBackground(true);
    Picture1->setPalette(QPalette(Qt::black, Qt::white));
    Bezeichnung8 = addLabel(QStringLiteral("Bezeichnung8"), layout.answerLine, QString(), Picture1);
    platform::setControlFont(Bezeichnung8, QStringLiteral("Arial"), layout.answerPoints, true);
    Bezeichnung8->setWordWrap(false);
    addMarks(layout.mark);
    Loeschen = addButton(QStringLiteral("Löschen"), {3120, 4440, 1710, 855}, QStringLiteral("Löschen"),
                         [this] { Loeschen_Click(); });
    platform::setControlFont(Loeschen, QStringLiteral("Arial"), 9, true);
    setButtonPicture(Loeschen, DesignPicture::Loeschen, 32);
    // A caption ("Drucken ...", ">>> Weiter >>>") appears only once the worksheets print.
    Weiter = Neues = addButton(QStringLiteral("Weiter"), {5040, 4440, 1815, 855}, QString(),
                               [this] { Neues_Click(); });
    platform::setControlFont(Weiter, QStringLiteral("MS Sans Serif"), 8.25, true);
    setButtonPicture(Weiter, DesignPicture::Weiter, 40);
    Exitknopf = Ende = addButton(QStringLiteral("Exitknopf"), {7080, 4560, 1695, 615}, QString(),
                                 [this] { Ende_Click(); });
    setButtonPicture(Exitknopf, DesignPicture::Ende, 40);
    Exitknopf->setIconSize(QSize(platform::twipsToPixels(1695) - 8, platform::twipsToPixels(615) - 8));
}

void TilePuzzleForm::addWordSetMenu(const std::array<QString, 3>& captions, const QString& ownPicturesCaption,
                                    const std::function<void()>& addMore)
{
    addTeacherSeparator();
    Leicht = addLevelItem(QStringLiteral("Leicht"), captions[0], [this] { Leicht_Click(); });
    schwere = addLevelItem(QStringLiteral("schwere"), captions[1], [this] { schwere_Click(); });
    alle = addLevelItem(QStringLiteral("alle"), captions[2], [this] { alle_Click(); });
    if (addMore)
        addMore();
    WEigene = addLevelItem(QStringLiteral("WEigene"), ownPicturesCaption, [this] { WEigene_Click(); });
    WEigene->setVisible(false);
    addTeacherSeparator();
    Drucken = addTeacherItem(QStringLiteral("Drucken"), QStringLiteral("&Drucken"), [this] { Drucken_Click(); });
}

void TilePuzzleForm::loadProgramSettings()
{
    usedWords = std::make_unique<UsedWordFile>(state.TempFile);
}

void TilePuzzleForm::Vorne()
{
    usedWords->reset();
    switch (Level) {
    case PuzzleLevel::Easy: state.WordCount = sets_.easyWords; break;
    case PuzzleLevel::Harder: state.WordCount = sets_.harderWords; break;
    case PuzzleLevel::All: state.WordCount = sets_.allWords; break;
    case PuzzleLevel::OwnPictures:
        // Own pictures start their order over too, so printing them all gives each picture once.
        if (OwnPictures)
            OwnPictures->Reset();
        break;
    case PuzzleLevel::None:
    case PuzzleLevel::OwnLists:
    case PuzzleLevel::MoreLists: break;
    }
}

void TilePuzzleForm::builtInLevel(QAction* item, PuzzleLevel level)
{
    Level = level;
    Vorne();
    checkLevel(item);
    nextTask();
}

void TilePuzzleForm::Leicht_Click()
{
    builtInLevel(Leicht, PuzzleLevel::Easy);
}

void TilePuzzleForm::schwere_Click()
{
    builtInLevel(schwere, PuzzleLevel::Harder);
}

void TilePuzzleForm::alle_Click()
{
    builtInLevel(alle, PuzzleLevel::All);
}

void TilePuzzleForm::WEigene_Click()
{
    checkLevel(WEigene);
    OwnPictures = std::make_unique<GetOwnWords>();
    OwnPictures->setSilben(sets_.ownPicturesInSyllables);
    OwnPictures->setPfad(sets_.ownPicturesFolder);
    state.WordCount = OwnPictures->Anzahl();
    if (state.WordCount == 0) {
        fallBackToBuiltInWords(OwnPicturesShortage::None, [this] { alle_Click(); });
        return;
    }
    Level = PuzzleLevel::OwnPictures;
    nextTask();
}

void TilePuzzleForm::showTiles()
{
    for (std::size_t i = 0; i < Bezeichnung.size(); ++i) {
        Bezeichnung[i]->setText(board.caption(int(i)));
        // Every tile shows again with a new word, also one hidden by a wrong piece never taken back.
        Bezeichnung[i]->setVisible(!board.hidden(int(i)));
    }
    Bezeichnung8->setText(board.answer());
}

void TilePuzzleForm::Bezeichnung_Click(int tile)
{
    const TileBoard::Click result = board.click(tile);
    if (result == TileBoard::Click::Ignored)
        return;
    showTiles();
    if (result == TileBoard::Click::Wrong || result == TileBoard::Click::Solved)
        markAnswer(result == TileBoard::Click::Solved);
}

void TilePuzzleForm::Loeschen_Click()
{
    if (!board.undo())
        return;
    showTiles();
    Falsch->hide();
}

// Picture-word worksheets of the current word or the whole set, five to a portrait page.
void TilePuzzleForm::Drucken_Click()
{
    const PrintFrame frame{*this, state, Weiter, QStringLiteral(">>> Weiter >>>")};
    const WordCardSource source{[this] { Vorne(); }, [this] { nextTask(); },
                                [this] { return Bild1->pixmap().toImage(); }, [this] { return taskWord(); }};
    runPrint(frame, 5, platform::Orientation::Portrait,
             [&frame, &source](platform::Printer& printer) { printWordCards(frame, printer, source); });
    // The caption takes the place of the button's picture: the narrow button has no room for both.
    if (!Weiter->text().isEmpty())
        Weiter->setIcon(QIcon());
}

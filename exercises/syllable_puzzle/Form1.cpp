// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/syllable_puzzle/Form1.h"

#include "exercises/syllable_puzzle/SyllableSlots.h"

#include "exercises/common/Answers.h"
#include "exercises/common/TileLayouts.h"

#include "framework/GetOwnWords.h"
#include "framework/ListAuswahl.h"
#include "framework/ProtokollClass.h"
#include "framework/UsedWordFile.h"

#include "platform/forms/twips.h"
#include "platform/services.h"

#include <array>
#include <map>

namespace syllable_puzzle {

namespace {

ExerciseConfig syllablePuzzleConfig()
{
    return {.program = QStringLiteral("Fugolin"),
            .appTitle = QStringLiteral("QL Fugolin"),
            .logTitle = QStringLiteral("Fugolin"),
            .helpMapId = 8,
            .smallHeight = 5790,
            .largeHeight = 6060,
            .scratch = ExerciseConfig::ScratchFile::AfterHelpFile};
}

constexpr int kTileHeight = 615;

// Tile and mark places of the two modes.
struct Geometry {
    int tileWidth;
    std::array<int, tile_layouts::kTiles> tops;
    std::array<int, tile_layouts::kTiles> lefts;
    int markTop;
    int markLeft;
};

const Geometry kBuiltIn{1815,
                        {240, 2040, 120, 1080, 2040, 360, 1320},
                        {1920, 2040, 4200, 3840, 4800, 6480, 6960},
                        2280,
                        7080};
const Geometry kList{2505,
                     {240, 2040, 120, 1080, 2040, 240, 1200},
                     {240, 720, 3240, 1320, 3720, 6240, 4320},
                     1080,
                     7080};

} // namespace

Form1::Form1(ExerciseState& s)
    : TilePuzzleForm(s, syllablePuzzleConfig(),
                     {.easyWords = SyllableWords::kThree,
                      .harderWords = SyllableWords::kLonger,
                      .allWords = SyllableWords::kAll,
                      .ownPicturesFolder = QStringLiteral("EigeneBilder/Fugolin"),
                      .ownPicturesInSyllables = true})
{
    setCaption(QStringLiteral("QL Fugolin ;   <F6> für Lehrermenü"));
    setGeometryTwips(0, 0, 9150, config.smallHeight);
    addTiles();
    addPuzzleControls({{240, 600, 1525, 1525}, {360, 3000, 6135, 1095}, {480, 120, 5160, 795}, 32.25,
                       {kBuiltIn.markLeft, kBuiltIn.markTop, 1710, 1710}});
    // The answer line's design text, until the first word.
    Bezeichnung8->setText(QStringLiteral("Waschmaschine"));
    addMenus();
}

void Form1::addTiles()
{
    for (std::size_t i = 0; i < tile_layouts::kTiles; ++i)
        addTile(QStringLiteral("Bezeichnung%1").arg(i + 1),
                {kBuiltIn.lefts[i], kBuiltIn.tops[i], kBuiltIn.tileWidth, kTileHeight}, 24);
}

void Form1::addMenus()
{
    addWordSetMenu({QStringLiteral("Dreisilbige Wörter"), QStringLiteral("Vier- und mehrsilbige Wörter"),
                    QStringLiteral("Alle Wörter")},
                   QStringLiteral("Wörter mit eigenen &Bildern"), [this] {
                       WMehr = addLevelItem(QStringLiteral("WMehr"), QStringLiteral("&Noch mehr Wörter"),
                                            [this] { WMehr_Click(); });
                       WDateiauswahl = addLevelItem(QStringLiteral("WDateiauswahl"), QStringLiteral("&Eigene Wörter"),
                                                    [this] { WDateiauswahl_Click(); });
                   });
    alle->setChecked(true);
    WMehr->setEnabled(false);
    WDateiauswahl->setEnabled(false);
}

void Form1::startExercise()
{
    for (;;) {
        Level = askLevel();
        state.ListSource = WordListSource::None;
        ReArrange();
        switch (Level) {
        case PuzzleLevel::Easy: Leicht_Click(); break;
        case PuzzleLevel::Harder: schwere_Click(); break;
        case PuzzleLevel::All: alle_Click(); break;
        case PuzzleLevel::OwnPictures: WEigene_Click(); break;
        case PuzzleLevel::None:
        case PuzzleLevel::OwnLists:
        case PuzzleLevel::MoreLists: break;
        }
        if (!listMode()) {
            state.ListSource = WordListSource::None;
            showMode(false);
            return;
        }
        showListMode();
        if (state.WordCount != 0)
            return;
    }
}

// The level dialog; a dialog closed without a button keeps the level as it was.
PuzzleLevel Form1::askLevel()
{
    const int chosen = askSyllableLevel();
    static const std::map<int, PuzzleLevel> levels{{0, PuzzleLevel::Easy},     {1, PuzzleLevel::Harder},
                                                   {2, PuzzleLevel::All},      {3, PuzzleLevel::MoreLists},
                                                   {4, PuzzleLevel::OwnLists}, {5, PuzzleLevel::OwnPictures}};
    const auto level = levels.find(chosen);
    return level == levels.end() ? Level : level->second;
}

// The menu items, the picture and the widths that go with the built-in words or with word lists.
void Form1::showMode(bool lists)
{
    for (QAction* item : {alle, Leicht, schwere, WEigene, Drucken})
        item->setEnabled(!lists);
    WDateiauswahl->setEnabled(lists);
    WMehr->setEnabled(lists);
    Bild1->setVisible(!lists);
    Picture1->setFixedWidth(platform::twipsToPixels(lists ? 8295 : 6135));
    Bezeichnung8->setFixedWidth(platform::twipsToPixels(lists ? 7560 : 5160));
}

void Form1::showListMode()
{
    state.ListSource = Level == PuzzleLevel::OwnLists ? WordListSource::OwnLists : WordListSource::MoreLists;
    showMode(true);
    ReArrange();
    if (state.ListSource == WordListSource::OwnLists)
        WDateiauswahl_Click();
    else
        WMehr_Click();
}

void Form1::ReArrange()
{
    const Geometry& g = state.ListSource == WordListSource::None ? kBuiltIn : kList;
    for (std::size_t i = 0; i < Bezeichnung.size(); ++i)
        Bezeichnung[i]->setGeometry(platform::twipsRect(g.lefts[i], g.tops[i], g.tileWidth, kTileHeight));
    for (QLabel* mark : {Richtig, Falsch})
        mark->move(platform::twipsToPixels(g.markLeft), platform::twipsToPixels(g.markTop));
}

void Form1::StartListe()
{
    state.WordCount = 0;
    ListAuswahl dialog(state);
    dialog.showModal();
    state.WordCount = state.ListCount;
    usedWords->reset();
    NextWord();
}

void Form1::WDateiauswahl_Click()
{
    state.ListSource = WordListSource::OwnLists;
    checkLevel(WDateiauswahl);
    StartListe();
}

void Form1::WMehr_Click()
{
    state.ListSource = WordListSource::MoreLists;
    checkLevel(WMehr);
    StartListe();
}

void Form1::NextWord()
{
    showMark(exercise::Mark::None);
    state.TaskWrong = false;
    Wortname.clear();
    Syllables = syllableSlots(QString());
    // A tile hidden by a wrong click that was never taken back must not hide a new syllable.
    board.start({}, Syllables, QString(), true);
    showTiles();
    if (state.WordCount == 0)
        return;
    chooseWord();
    dealTiles();
}

void Form1::chooseWord()
{
    if (Level == PuzzleLevel::OwnPictures) {
        OwnPictures->Continue();
        Wortname = OwnPictures->Wortname();
        platform::setPicture(Bild1, OwnPictures->Bildpfad());
        return;
    }
    WordNumber = usedWords->PickWordIndex(state.WordCount);
    if (Level == PuzzleLevel::Easy)
        WordNumber += SyllableWords::kLonger;
    if (state.ListSource != WordListSource::None) {
        Wortname = state.Liste.value(WordNumber - 1);
        return;
    }
    Wortname = words.word(WordNumber);
    platform::setPicture(Bild1, SyllableWords::picture(WordNumber));
}

void Form1::dealTiles()
{
    Syllables = syllableSlots(Wortname);
    Wortname = Syllables.join(QString());
    if (state.ListSource == WordListSource::None && Level != PuzzleLevel::OwnPictures)
        SilbenZusatz(WordNumber);
    LayoutNumber = tile_layouts::pick(platform::services().clock->random());
    board.start(Syllables, tile_layouts::deal(Syllables, LayoutNumber), Wortname, true);
    showTiles();
    exercise::newTask(Proto(), Wortname);
}

void Form1::SilbenZusatz(int Nummer)
{
    syllable_puzzle::SilbenZusatz(Syllables, Nummer, words);
}

} // namespace syllable_puzzle

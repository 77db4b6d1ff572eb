// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/word_puzzle/Form1.h"

#include "exercises/common/Answers.h"
#include "exercises/common/Capitals.h"
#include "exercises/common/TileLayouts.h"

#include "framework/GetOwnWords.h"
#include "framework/ProtokollClass.h"
#include "framework/UsedWordFile.h"

#include "platform/services.h"

#include <array>

namespace word_puzzle {

namespace {

ExerciseConfig wordPuzzleConfig()
{
    return {.program = QStringLiteral("plattix"),
            .appTitle = QStringLiteral("QL Plattix"),
            .logTitle = QStringLiteral("Plattix"),
            .helpMapId = 1,
            .smallHeight = 5790,
            .largeHeight = 6060,
            .scratch = ExerciseConfig::ScratchFile::AfterHelpFile};
}

constexpr std::array<QPoint, PuzzleWords::kPieces> kTilePlaces{
    {{2040, 360}, {3000, 1320}, {3960, 240}, {4560, 1560}, {5880, 720}, {7440, 240}, {7320, 1320},
     {1560, 1920}}};

} // namespace

Form1::Form1(ExerciseState& s)
    : TilePuzzleForm(s, wordPuzzleConfig(),
                     {.easyWords = PuzzleWords::kEasy,
                      .harderWords = PuzzleWords::kHarder,
                      .allWords = PuzzleWords::kAll,
                      .ownPicturesFolder = QStringLiteral("EigeneBilder/Plattix"),
                      .ownPicturesInSyllables = false})
{
    setCaption(QStringLiteral("QL Plattix ;   <F6> für Lehrermenü"));
    setGeometryTwips(0, 0, 9150, config.smallHeight);
    addTiles();
    addPuzzleControls({{240, 360, 1525, 1525}, {480, 2760, 6135, 1335}, {480, 120, 5160, 1035}, 44.25,
                       {7080, 2280, 1710, 1710}});
    addMenus();
}

void Form1::addTiles()
{
    for (int i = 0; i < PuzzleWords::kPieces; ++i) {
        const QString name = i < tile_layouts::kTiles ? QStringLiteral("Bezeichnung%1").arg(i + 1)
                                                      : QStringLiteral("Bezeichnung7a");
        const QPoint place = kTilePlaces[std::size_t(i)];
        // 33 pt, as drawn, needs more than the tile's height with the suite's Arial.
        addTile(name, {place.x(), place.y(), 1335, 735}, 30);
    }
}

void Form1::addMenus()
{
    addWordSetMenu({QStringLiteral("Stufe &1 : 49 Wörter (einfach)"), QStringLiteral("Stufe &2 : 33 Wörter (schwerer)"),
                    QStringLiteral("Stufe &3 : Alle 82 Wörter")},
                   QStringLiteral("Wörter mit eigenen Bildern"));
}

void Form1::startExercise()
{
    askWordLevel([this] { Leicht_Click(); }, [this] { schwere_Click(); }, [this] { alle_Click(); },
                 [this] { WEigene_Click(); });
}

void Form1::getWord()
{
    WordNumber = usedWords->PickWordIndex(state.WordCount);
    if (Level == PuzzleLevel::Harder)
        WordNumber += PuzzleWords::kEasy;
    if (WordNumber >= 1 && WordNumber <= PuzzleWords::kAll)
        Pieces = words.pieces(WordNumber);
    PuzzleWord = Pieces.join(QString());
    PictureFile = PuzzleWord.trimmed() + QStringLiteral(".bmp");
}

void Form1::GetOwnWord()
{
    OwnPictures->Continue();
    Pieces = OwnPictures->Bausteine().mid(0, PuzzleWords::kPieces);
    PuzzleWord = Pieces.join(QString());
    PictureFile = OwnPictures->Bildpfad();
}

// Draws words until one has a picture that loads, within a bound: a pool without any picture
// must not keep the window searching for ever.
bool Form1::findWordWithPicture()
{
    const int tries = 2 * state.WordCount + 1;
    for (int i = 0; i < tries; ++i) {
        Level == PuzzleLevel::OwnPictures ? GetOwnWord() : getWord();
        layOut();
        const QPixmap picture = platform::loadPicture(PictureFile);
        if (!picture.isNull()) {
            Bild1->setPixmap(picture);
            return true;
        }
    }
    return false;
}

void Form1::layOut()
{
    const QStringList shown = state.options.capitalsOnly() ? toCapitals(Pieces) : Pieces;
    LayoutNumber = tile_layouts::pick(platform::services().clock->random());
    QStringList captions = tile_layouts::deal(shown.mid(0, tile_layouts::kTiles), LayoutNumber);
    captions.append(shown.value(tile_layouts::kTiles));
    PuzzleWord = PuzzleWord.trimmed();
    board.start(shown, captions, state.options.capitalsOnly() ? toCapitals(PuzzleWord) : PuzzleWord, false);
}

void Form1::NewPuzzle()
{
    showMark(exercise::Mark::None);
    state.TaskWrong = false;
    if (!findWordWithPicture()) {
        if (Level == PuzzleLevel::OwnPictures) {
            fallBackToBuiltInWords(OwnPicturesShortage::None, [this] { alle_Click(); });
            return;
        }
        Bild1->clear();
    }
    showTiles();
    exercise::newTask(Proto(), PuzzleWord);
}

} // namespace word_puzzle

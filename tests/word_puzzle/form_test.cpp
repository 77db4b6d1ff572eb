// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/word_puzzle/plattix_fixture.h"

#include "exercises/common/Capitals.h"
#include "framework/Protokoll.h"

#include "platform/files.h"
#include "platform/forms/end.h"
#include "platform/forms/twips.h"

#include <QDir>
#include <QSet>

#include <numeric>

using word_puzzle::Form1;
using word_puzzle::PuzzleWords;

namespace {

QStringList logLines(const QString& path)
{
    return platform::readTextFile(path).lines;
}

QSet<QString> wordsOf(int from, int to)
{
    const PuzzleWords words;
    QSet<QString> set;
    for (int n = from; n <= to; ++n)
        set.insert(words.word(n));
    return set;
}

const QString kTask = "Die Aufgabe \"%1\" wurde beim ersten Versuch %2 gelöst.";
// The letter groups that stand on one tile.
const QStringList kGroups{"Au", "au", "Eu", "eu", "Ch", "ch", "Pf", "pf", "St", "st", "Sch", "sch", "Ei", "ei",
                          "ng", "nk", "ck", "tz"};

TEST_F(PlattixTest, LoggedRunBuildsOneWordRightAndOneAfterAWrongPiece)
{
    options.ProtSave = 1;
    writeOptions();
    const QString logs = appDataDir() + "/logs";
    QDir().mkpath(logs);
    clock->randoms = {draw(1, 49), layout(1), draw(29, 49), layout(1)};
    Form1& f = start(QString("Q /p=\"%1\" /n=\"Anna\"").arg(logs), Easy);
    EXPECT_EQ(f.caption(), "QL Plattix ;   <F6> für Lehrermenü");
    EXPECT_TRUE(f.Leicht->isChecked());
    EXPECT_EQ(tileTexts(), (QStringList{" ", " ", " ", "Au", "t", "o", " ", " "}));
    EXPECT_FALSE(f.Bild1->pixmap().isNull());
    for (int tile : {3, 4, 5})
        clickTile(tile);
    EXPECT_EQ(f.Bezeichnung8->text(), "Auto");
    EXPECT_FALSE(f.Richtig->isHidden());
    click(f.Weiter);

    EXPECT_EQ(tileTexts(), (QStringList{"d", " ", " ", "H", "u", "n", " ", " "}));
    clickTile(3);
    clickTile(0);
    EXPECT_TRUE(f.Bezeichnung[0]->isHidden());
    EXPECT_FALSE(f.Falsch->isHidden());
    EXPECT_EQ(f.Bezeichnung8->text(), "Hd");
    clickTile(4);
    EXPECT_EQ(f.Bezeichnung8->text(), "Hd");
    click(f.Loeschen);
    EXPECT_EQ(f.Bezeichnung8->text(), "H");
    EXPECT_FALSE(f.Bezeichnung[0]->isHidden());
    EXPECT_EQ(f.Bezeichnung[0]->text(), "d");
    EXPECT_TRUE(f.Falsch->isHidden());
    buildWord("Hund");
    EXPECT_EQ(f.Bezeichnung8->text(), "Hund");
    click(f.Exitknopf);
    EXPECT_TRUE(platform::programEnded());
    EXPECT_EQ(logLines(logs + "/Protokoll_2/Anna.txt"),
              (QStringList{"", QString(82, '-'), "", "Programm Plattix:", "Protokoll begonnen am 10.12.2026 09:30:00.",
                           "", kTask.arg("Auto", "richtig"), kTask.arg("Hund", "falsch"), "",
                           "Von 2 Aufgaben wurden 1 richtig gelöst."}));
    EXPECT_EQ(processes->commandLines(), QStringList{programDir() + "/startomo.exe /n=\"Anna\""});
}

TEST_F(PlattixTest, BlankPiecesAreWrongBeforeTheWordAndTakenAfterIt)
{
    options.ProtSave = 1;
    writeOptions();
    const QString logs = appDataDir() + "/logs";
    QDir().mkpath(logs);
    clock->randoms = {draw(29, 49), layout(1)};
    Form1& f = start(QString("Q /p=\"%1\" /n=\"Ben\"").arg(logs), Easy);
    ASSERT_EQ(tileTexts(), (QStringList{"d", " ", " ", "H", "u", "n", " ", " "}));
    EXPECT_EQ(f.Bezeichnung[7]->text(), " ");
    clickTile(3);
    clickTile(7);
    EXPECT_FALSE(f.Falsch->isHidden());
    EXPECT_EQ(f.Bezeichnung8->text(), "H ");
    click(f.Loeschen);
    buildWord("Hund");
    EXPECT_FALSE(f.Richtig->isHidden());
    clickTile(7);
    EXPECT_EQ(f.Bezeichnung8->text(), "Hund ");
    EXPECT_FALSE(f.Richtig->isHidden());
    EXPECT_TRUE(f.Falsch->isHidden());
    f.unload();
    EXPECT_EQ(logLines(logs + "/Protokoll_2/Ben.txt").at(6), kTask.arg("Hund", "falsch"));
}

TEST_F(PlattixTest, RepeatedPiecesAcceptEitherTile)
{
    for (int tile : {2, 6}) {
        clock->randoms = {draw(7, 33), layout(1)};
        Form1& f = start("Q", Harder);
        ASSERT_EQ(f.PuzzleWord, "Giraffe");
        ASSERT_EQ(tileTexts(), (QStringList{"a", "e", "f", "G", "i", "r", "f", " "}));
        for (int t : {3, 4, 5, 0})
            clickTile(t);
        clickTile(tile);
        EXPECT_EQ(f.Bezeichnung8->text(), "Giraf");
        buildWord("Giraffe");
        EXPECT_EQ(f.Bezeichnung8->text(), "Giraffe");
        EXPECT_FALSE(f.Richtig->isHidden());
    }
}

TEST_F(PlattixTest, EveryTableWordCutsIntoEightPiecesAtMostAndHasItsPicture)
{
    const PuzzleWords words;
    ASSERT_EQ(words.count(), 82);
    int eightPieces = 0;
    for (int n = words.count(); n >= 1; --n) {
        const QStringList pieces = words.pieces(n);
        // Letters and the listed letter groups, then blank fillers up to the eighth piece.
        const qsizetype fillers = pieces.indexOf(" ") < 0 ? pieces.size() : pieces.indexOf(" ");
        for (qsizetype i = 0; i < pieces.size(); ++i)
            EXPECT_TRUE(i < fillers ? (pieces[i].size() == 1 && pieces[i][0].isLetter()) || kGroups.contains(pieces[i])
                                    : pieces[i] == " ")
                << n << " piece " << i << " \"" << pieces[i].toStdString() << "\"";
        EXPECT_EQ(pieces.join("").trimmed(), words.word(n)) << n;
        EXPECT_TRUE(QFile::exists(programDir() + "/" + words.word(n) + ".bmp")) << words.word(n).toStdString();
        if (pieces.last() != " ")
            eightPieces = n;
    }
    EXPECT_EQ(PuzzleWords::cutIntoPieces("Schnecke"), (QStringList{"Sch", "n", "e", "ck", "e", " ", " ", " "}));
    EXPECT_EQ(PuzzleWords::cutIntoPieces("Pinguin"), (QStringList{"P", "i", "ng", "u", "i", "n", " ", " "}));
    ASSERT_GT(eightPieces, 0);
    // An eight-piece word keeps its last piece on tile 8 in every layout.
    for (int l = 1; l <= 10; ++l) {
        clock->randoms = {draw(eightPieces, 82), layout(l)};
        Form1& f = start("Q", All);
        ASSERT_EQ(f.PuzzleWord, words.word(eightPieces));
        EXPECT_EQ(f.Bezeichnung[7]->text(), words.pieces(eightPieces).last());
        buildWord();
        EXPECT_FALSE(f.Richtig->isHidden());
    }
}

// The tiles' Arial draws capital I and small l as the same bar: the child could not tell which
// of the two tiles comes first.
TEST(PlattixTable, NoWordsTilesShowBothCapitalIAndSmallL)
{
    const PuzzleWords words;
    for (int n = 1; n <= words.count(); ++n) {
        const QString tiles = words.pieces(n).join(QString());
        EXPECT_FALSE(tiles.contains(u'I') && tiles.contains(u'l')) << words.word(n).toStdString();
    }
}

TEST_F(PlattixTest, LevelsDrawTheirPartOfTheTable)
{
    struct Case {
        Level level;
        int count;
        QSet<QString> words;
    };
    for (const Case& c : {Case{Harder, 33, wordsOf(50, 82)}, Case{Easy, 49, wordsOf(1, 49)}}) {
        // Draws in table order, so no draw falls back to the scan.
        for (int n = 1; n <= c.count; ++n)
            clock->randoms.insert(clock->randoms.end(), {draw(n, c.count), layout(1)});
        Form1& f = start("Q", c.level);
        EXPECT_EQ(state.WordCount, c.count);
        QSet<QString> seen;
        for (int i = 0; i < c.count; ++i) {
            EXPECT_TRUE(c.words.contains(f.PuzzleWord)) << f.PuzzleWord.toStdString();
            seen.insert(f.PuzzleWord);
            buildWord();
            if (i + 1 < c.count)
                click(f.Weiter);
        }
        EXPECT_EQ(seen.size(), c.count);
        QVector<qint64> used = platform::readNumberFile(state.TempFile).values;
        std::sort(used.begin(), used.end());
        QVector<qint64> all(c.count);
        std::iota(all.begin(), all.end(), 1);
        EXPECT_EQ(used, all);
    }
}

TEST_F(PlattixTest, TenWordsShowTheBlockResult)
{
    options.Proto = -1;
    writeOptions();
    Form1& f = start("Q");
    bool shown = false;
    for (int word = 1; word <= 10; ++word) {
        buildWord();
        if (word == 10)
            testing_support::whenShown("Protokoll", [&](platform::Form& dialog) {
                auto& p = static_cast<Protokoll&>(dialog);
                shown = true;
                EXPECT_EQ(p.Richtig->text(), "10");
                EXPECT_FALSE(p.Weiter->isHidden());
                click(p.Weiter);
            });
        click(f.Weiter);
    }
    EXPECT_TRUE(shown);
    EXPECT_EQ(state.TasksDone, 0);
}

TEST_F(PlattixTest, AssignmentHidesTheExitButtonAndEndsThroughTheMenu)
{
    Form1& f = start("Q05A");
    EXPECT_TRUE(f.Exitknopf->isHidden());
    EXPECT_FALSE(f.close());
    buildWord();
    click(f.Weiter);
    clickTile(wrongTile());
    f.M_Ende->trigger();
    EXPECT_TRUE(platform::programEnded());
    const QStringList record = logLines(dataDir() + "/Protokoll.txt");
    ASSERT_EQ(record.size(), 7);
    EXPECT_EQ(record[0], "Programm QL Plattix; Protokoll erstellt am 10.12.2026 09:30:00.");
    EXPECT_EQ(record[6], "termination by supervisor");
    EXPECT_TRUE(processes->started.empty());
}

TEST_F(PlattixTest, NextPuzzleShowsAllEightTilesAgain)
{
    Form1& f = start("Q05A");
    clickTile(wrongTile());
    f.WFehler->trigger();
    for (QLabel* tile : f.Bezeichnung)
        EXPECT_FALSE(tile->isHidden());
    EXPECT_TRUE(f.Falsch->isHidden());
    EXPECT_EQ(f.Bezeichnung8->text(), "");
}

TEST_F(PlattixTest, CapitalsOnTheTilesTheLogKeepsTheWord)
{
    options.Buchstaben = -1;
    options.ProtSave = 1;
    writeOptions();
    const QString logs = appDataDir() + "/logs";
    QDir().mkpath(logs);
    clock->randoms = {draw(21, 49), layout(8)};
    Form1& f = start(QString("Q /p=\"%1\" /n=\"Cem\"").arg(logs), Easy);
    ASSERT_EQ(f.PuzzleWord, "Mütze");
    EXPECT_EQ(tileTexts(), (QStringList{"M", "E", "Ü", " ", "TZ", " ", " ", " "}));
    buildWord("MÜTZE");
    EXPECT_EQ(f.Bezeichnung8->text(), "MÜTZE");
    EXPECT_FALSE(f.Richtig->isHidden());
    f.unload();
    EXPECT_EQ(logLines(logs + "/Protokoll_2/Cem.txt").at(6), kTask.arg("Mütze", "richtig"));
}

TEST_F(PlattixTest, OwnPicturesGiveLetterPiecesAndEmptyTiles)
{
    options.optEigeneBilder = 1;
    options.Buchstaben = -1;
    writeOptions();
    writePicture(programDir() + "/EigeneBilder/Plattix/Eichhörnchen.bmp");
    writePicture(programDir() + "/EigeneBilder/Plattix/Fuß.bmp");
    int buttons = 0;
    onLevelDialog = [&](SStufe& dialog) {
        buttons = int(std::count_if(dialog.Stufe.begin(), dialog.Stufe.end(),
                                    [](QPushButton* b) { return !b->isHidden(); }));
    };
    clock->randoms = {0.0, layout(1), 0.0, layout(1)};
    Form1& f = start("Q", OwnPictures);
    EXPECT_EQ(buttons, 4);
    EXPECT_EQ(f.Level, PuzzleLevel::OwnPictures);
    EXPECT_TRUE(f.WEigene->isChecked());
    QStringList pieces[2];
    QString names[2];
    for (int i = 0; i < 2; ++i) {
        pieces[i] = f.Pieces;
        names[i] = f.PuzzleWord;
        if (f.PuzzleWord == "Fuß") {
            // Empty tiles ignore clicks until the word is complete.
            clickText("");
            EXPECT_TRUE(f.Falsch->isHidden());
            EXPECT_EQ(f.Bezeichnung8->text(), "");
        }
        buildWord();
        EXPECT_FALSE(f.Richtig->isHidden());
        EXPECT_EQ(f.Bezeichnung8->text(), toCapitals(f.PuzzleWord));
        click(f.Weiter);
    }
    const int eich = names[0] == "Eichhörnche" ? 0 : 1;
    EXPECT_EQ(names[eich], "Eichhörnche");
    EXPECT_EQ(pieces[eich], (QStringList{"Ei", "ch", "h", "ö", "r", "n", "ch", "e"}));
    EXPECT_EQ(names[1 - eich], "Fuß");
    EXPECT_EQ(pieces[1 - eich], (QStringList{"F", "u", "ß", "", "", "", "", ""}));
}

TEST_F(PlattixTest, NoOwnPicturesOrOption8OffGiveAllWords)
{
    options.optEigeneBilder = 1;
    writeOptions();
    QDir().mkpath(programDir() + "/EigeneBilder/Plattix");
    Form1& f = start("Q", OwnPictures);
    EXPECT_EQ(messages->texts(), QStringList{"Es gibt keine eigenen Bilder! Ich verwende meine Bilder."});
    EXPECT_EQ(f.Level, PuzzleLevel::All);
    EXPECT_EQ(state.WordCount, 82);
    EXPECT_TRUE(f.alle->isChecked());

    options.optEigeneBilder = 0;
    writeOptions();
    int buttons = 0;
    onLevelDialog = [&](SStufe& dialog) {
        buttons = int(std::count_if(dialog.Stufe.begin(), dialog.Stufe.end(),
                                    [](QPushButton* b) { return !b->isHidden(); }));
        EXPECT_EQ(dialog.Stufe[0]->text(), "leichte Wörter");
        EXPECT_EQ(dialog.Stufe[1]->text(), "schwerere Wörter");
    };
    Form1& again = start("Q", Easy);
    EXPECT_EQ(buttons, 3);
    EXPECT_FALSE(again.WEigene->isVisible());
}

TEST_F(PlattixTest, WordsWithoutAPictureThatLoadsAreSkippedWithinABound)
{
    QFile::remove(programDir() + "/Auto.bmp");
    writeBytes(programDir() + "/Baum.bmp", "not a picture");
    clock->randoms = {draw(1, 49), layout(1), draw(2, 49), layout(1), draw(3, 49), layout(1)};
    Form1& f = start("Q", Easy);
    EXPECT_EQ(f.PuzzleWord, "Haus");
    EXPECT_TRUE(messages->shown.empty());

    // No picture at all: the last drawn word, without a picture, after 2 x 49 + 1 draws.
    for (const QString& picture : QDir(programDir()).entryList({"*.bmp"}, QDir::Files))
        QFile::remove(programDir() + "/" + picture);
    f.Leicht->trigger();
    EXPECT_TRUE(f.Bild1->pixmap().isNull());
    EXPECT_FALSE(f.PuzzleWord.isEmpty());
    EXPECT_TRUE(wordsOf(1, 49).contains(f.PuzzleWord));
    buildWord();
    EXPECT_FALSE(f.Richtig->isHidden());

    // Own pictures that are gone by the time they are shown: the message and all words.
    options.optEigeneBilder = 1;
    writeOptions();
    writePicture(programDir() + "/EigeneBilder/Plattix/Hut.bmp");
    Form1& own = start("Q", OwnPictures);
    EXPECT_EQ(own.Level, PuzzleLevel::OwnPictures);
    QFile::remove(programDir() + "/EigeneBilder/Plattix/Hut.bmp");
    buildWord("Hut");
    click(own.Weiter);
    EXPECT_EQ(messages->texts(), QStringList{"Es gibt keine eigenen Bilder! Ich verwende meine Bilder."});
    EXPECT_EQ(own.Level, PuzzleLevel::All);
}

TEST_F(PlattixTest, ClosedLevelDialogGivesAllWords)
{
    Form1& f = start("Q", Closed);
    EXPECT_EQ(f.Level, PuzzleLevel::All);
    EXPECT_EQ(state.WordCount, 82);
    EXPECT_TRUE(f.alle->isChecked());
}

TEST_F(PlattixTest, TheEightTilesAndTheMarksStandInTheirPlaces)
{
    Form1& f = start("Q");
    const QPoint tiles[] = {{2040, 360}, {3000, 1320}, {3960, 240}, {4560, 1560},
                            {5880, 720}, {7440, 240},  {7320, 1320}, {1560, 1920}};
    ASSERT_EQ(f.Bezeichnung.size(), 8u);
    for (std::size_t i = 0; i < 8; ++i)
        EXPECT_EQ(f.Bezeichnung[i]->geometry(), platform::twipsRect(tiles[i].x(), tiles[i].y(), 1335, 735)) << i + 1;
    EXPECT_EQ(f.Bezeichnung[7]->objectName(), "Bezeichnung7a");
    for (QWidget* mark : {f.Richtig, f.Falsch})
        EXPECT_EQ(mark->geometry(), platform::twipsRect(7080, 2280, 1710, 1710)) << mark->objectName().toStdString();
}

TEST_F(PlattixTest, TeacherMenuInItsOrder)
{
    Form1& f = start("Q");
    EXPECT_EQ(f.heightTwips(), 5790);
    QTest::keyClick(&f, Qt::Key_F6);
    EXPECT_EQ(f.heightTwips(), 6060);
    QStringList items;
    for (QAction* a : f.dasmenu->actions())
        if (a->isVisible())
            items << (a->isSeparator() ? "-" : (a->isChecked() ? "*" : "") + a->text());
    EXPECT_EQ(items, (QStringList{"&Hilfe", "-", "Stufe &1 : 49 Wörter (einfach)", "Stufe &2 : 33 Wörter (schwerer)",
                                  "*Stufe &3 : Alle 82 Wörter", "-", "&Drucken"}));
    f.Hilfe->trigger();
    ASSERT_EQ(help->opened.size(), 1u);
    EXPECT_EQ(help->opened[0].second, 1);
}

} // namespace

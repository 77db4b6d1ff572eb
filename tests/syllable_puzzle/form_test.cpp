// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/syllable_puzzle/fugolin_fixture.h"

#include "framework/Protokoll.h"

#include "platform/files.h"
#include "platform/forms/end.h"
#include "platform/forms/twips.h"

#include <QDir>
#include <QSet>

#include <array>
#include <deque>

using syllable_puzzle::Form1;

namespace {

QStringList logLines(const QString& path)
{
    return platform::readTextFile(path).lines;
}

QString joined(const QString& hyphenated)
{
    return QString(hyphenated).remove('-');
}

// The built-in words n..m as the answer line spells them.
QSet<QString> wordsOf(int from, int to)
{
    const SyllableWords words;
    QSet<QString> set;
    for (int n = from; n <= to; ++n)
        set.insert(joined(words.word(n)));
    return set;
}

// Where tiles 1 to 7 stand (one width for all, height 615) and where the right and wrong marks
// stand (1710 x 1710), in twips.
struct Places {
    std::array<int, 7> lefts;
    std::array<int, 7> tops;
    int width;
    QPoint marks;
};
const Places kBuiltInPlaces{{1920, 2040, 4200, 3840, 4800, 6480, 6960}, {240, 2040, 120, 1080, 2040, 360, 1320}, 1815,
                            {7080, 2280}};
const Places kListPlaces{{240, 720, 3240, 1320, 3720, 6240, 4320}, {240, 2040, 120, 1080, 2040, 240, 1200}, 2505,
                         {7080, 1080}};

std::vector<QRect> expectedPlaces(const Places& p)
{
    std::vector<QRect> rects;
    for (std::size_t i = 0; i < 7; ++i)
        rects.push_back(platform::twipsRect(p.lefts[i], p.tops[i], p.width, 615));
    for (int mark = 0; mark < 2; ++mark)
        rects.push_back(platform::twipsRect(p.marks.x(), p.marks.y(), 1710, 1710));
    return rects;
}

std::vector<QRect> placesOf(const Form1& f)
{
    std::vector<QRect> rects;
    for (QLabel* tile : f.Bezeichnung)
        rects.push_back(tile->geometry());
    rects.push_back(f.Richtig->geometry());
    rects.push_back(f.Falsch->geometry());
    return rects;
}

TEST_F(FugolinTest, LoggedRunBuildsTheWordsAndLogsTheFirstTries)
{
    options.ProtSave = 1;
    writeOptions();
    const QString logs = appDataDir() + "/logs";
    QDir().mkpath(logs);
    // Ba-de-wan-ne with Kin-der-wa-gen, layout 1; then Ba-na-ne with Kin-der-wa-gen, layout 8.
    clock->randoms = {draw(6, 49), draw(1, 21), layout(1), draw(25, 49), draw(1, 21), layout(8)};
    Form1& f = start(QString("Q /p=\"%1\" /n=\"Anna\"").arg(logs));
    EXPECT_EQ(f.caption(), "QL Fugolin ;   <F6> für Lehrermenü");
    EXPECT_EQ(tileTexts(), (QStringList{"ne", "wa", "der", "Ba", "de", "wan", "Kin"}));
    EXPECT_EQ(f.Bezeichnung8->text(), "");
    EXPECT_FALSE(f.Bild1->pixmap().isNull());
    for (int tile : {3, 4, 5})
        clickTile(tile);
    EXPECT_EQ(f.Bezeichnung8->text(), "Badewan");
    EXPECT_TRUE(f.Richtig->isHidden());
    clickTile(0);
    EXPECT_EQ(f.Bezeichnung8->text(), "Badewanne");
    EXPECT_FALSE(f.Richtig->isHidden());
    EXPECT_EQ(tileTexts(), (QStringList{"", "wa", "der", "", "", "", "Kin"}));
    clickTile(1);
    EXPECT_EQ(f.Bezeichnung8->text(), "Badewanne");
    click(f.Weiter);

    EXPECT_EQ(tileTexts(), (QStringList{"Ba", "Kin", "na", "der", "ne", "wa", "gen"}));
    EXPECT_TRUE(f.Richtig->isHidden());
    clickTile(0);
    clickTile(1);
    EXPECT_TRUE(f.Bezeichnung[1]->isHidden());
    EXPECT_EQ(f.Bezeichnung8->text(), "BaKin");
    EXPECT_FALSE(f.Falsch->isHidden());
    clickTile(2);
    click(f.Weiter);
    EXPECT_EQ(f.Bezeichnung8->text(), "BaKin");
    click(f.Loeschen);
    EXPECT_TRUE(f.Falsch->isHidden());
    EXPECT_FALSE(f.Bezeichnung[1]->isHidden());
    EXPECT_EQ(f.Bezeichnung[1]->text(), "Kin");
    EXPECT_EQ(f.Bezeichnung8->text(), "Ba");
    click(f.Loeschen);
    EXPECT_EQ(f.Bezeichnung8->text(), "Ba");
    clickTile(2);
    clickTile(4);
    EXPECT_EQ(f.Bezeichnung8->text(), "Banane");
    EXPECT_FALSE(f.Richtig->isHidden());
    click(f.Exitknopf);
    EXPECT_TRUE(platform::programEnded());

    const QString task = "Die Aufgabe \"%1\" wurde beim ersten Versuch %2 gelöst.";
    EXPECT_EQ(logLines(logs + "/Protokoll_2/Anna.txt"),
              (QStringList{"", QString(82, '-'), "", "Programm Fugolin:",
                           "Protokoll begonnen am 10.12.2026 09:30:00.", "", task.arg("Badewanne", "richtig"),
                           task.arg("Banane", "falsch"), "", "Von 2 Aufgaben wurden 1 richtig gelöst."}));
    EXPECT_EQ(processes->commandLines(), QStringList{programDir() + "/startomo.exe /n=\"Anna\""});
    EXPECT_FALSE(QFileInfo::exists(state.TempFile));
}

TEST_F(FugolinTest, TenWordsShowTheBlockResult)
{
    options.Proto = -1;
    writeOptions();
    Form1& f = start("Q");
    bool shown = false;
    for (int word = 1; word <= 10; ++word) {
        if (word == 4) {
            clickTile(wrongTile());
            click(f.Loeschen);
        }
        buildWord();
        if (word == 10)
            testing_support::whenShown("Protokoll", [&](platform::Form& dialog) {
                auto& p = static_cast<Protokoll&>(dialog);
                shown = true;
                EXPECT_EQ(p.Richtig->text(), "9");
                EXPECT_TRUE(p.Weiter->isHidden());
                EXPECT_FALSE(p.Wiederholen->isHidden());
                click(p.Wiederholen);
            });
        click(f.Weiter);
    }
    EXPECT_TRUE(shown);
    EXPECT_EQ(state.TasksDone, 0);
    EXPECT_FALSE(f.Wortname.isEmpty());
}

TEST_F(FugolinTest, AssignmentHidesTheExitButtonAndEndsThroughTheMenu)
{
    Form1& f = start("Q05A");
    EXPECT_TRUE(f.Exitknopf->isHidden());
    EXPECT_TRUE(f.M_Ende->isVisible());
    EXPECT_FALSE(f.close());
    EXPECT_TRUE(f.loaded());
    buildWord();
    click(f.Weiter);
    clickTile(wrongTile());
    f.M_Ende->trigger();
    EXPECT_TRUE(platform::programEnded());
    EXPECT_FALSE(f.loaded());
    const QStringList record = logLines(dataDir() + "/Protokoll.txt");
    ASSERT_EQ(record.size(), 7);
    EXPECT_EQ(record[0], "Programm QL Fugolin; Protokoll erstellt am 10.12.2026 09:30:00.");
    EXPECT_EQ(record[2], "Es wurden nur 1 Aufgabe(n) abgearbeitet. Davon wurden");
    EXPECT_EQ(record[6], "termination by supervisor");
    EXPECT_TRUE(processes->started.empty());
}

TEST_F(FugolinTest, LevelsDrawTheirWordsWithoutRepeat)
{
    struct Case {
        Level level;
        int count;
        QSet<QString> words;
    };
    for (const Case& c : {Case{Three, 28, wordsOf(22, 49)}, Case{Longer, 21, wordsOf(1, 21)}}) {
        Form1& f = start("Q", c.level);
        EXPECT_EQ(state.WordCount, c.count);
        QSet<QString> seen;
        for (int i = 0; i < c.count; ++i) {
            EXPECT_TRUE(c.words.contains(f.Wortname)) << f.Wortname.toStdString();
            seen.insert(f.Wortname);
            buildWord();
            click(f.Weiter);
        }
        EXPECT_EQ(seen.size(), c.count);
    }
    EXPECT_TRUE(form->schwere->isChecked());
    EXPECT_FALSE(form->alle->isChecked());
}

TEST_F(FugolinTest, DistractorsComeFromAnotherLongWord)
{
    const SyllableWords words;
    Form1& f = start("Q", Three);
    for (int i = 0; i < 10; ++i) {
        const QStringList distractors = f.Syllables.mid(3);
        bool found = false;
        for (int n = 1; n <= 21; ++n)
            found = found || words.word(n).split('-').mid(0, 4) == distractors;
        EXPECT_TRUE(found) << distractors.join('-').toStdString();
        EXPECT_FALSE(tileTexts().contains(""));
        buildWord();
        click(f.Weiter);
    }
    // The other word is never the word itself: a draw of it is drawn again.
    clock->randoms = {draw(9, 49), draw(9, 21), draw(15, 21), layout(1)};
    f.alle->trigger();
    EXPECT_EQ(f.Syllables, (QStringList{"Re", "gen", "wol", "ke", "Re", "gen", "bo"}));
}

// The slots after the word take the first syllables of the other word, as many as are free.
TEST_F(FugolinTest, DistractorsFillTheSlotsAfterTheWord)
{
    struct Case {
        std::deque<double> draws;
        QString word;
        QStringList syllables;
        QStringList tiles;
    };
    const Case cases[] = {
        // Ba-na-ne with Kin-der-wa-gen, layout 8.
        {{draw(25, 49), draw(1, 21), layout(8)},
         "Banane",
         {"Ba", "na", "ne", "Kin", "der", "wa", "gen"},
         {"Ba", "Kin", "na", "der", "ne", "wa", "gen"}},
        // Kin-der-wa-gen with Re-gen-wol-ke, layout 1.
        {{draw(1, 49), draw(9, 21), layout(1)},
         "Kinderwagen",
         {"Kin", "der", "wa", "gen", "Re", "gen", "wol"},
         {"gen", "wol", "gen", "Kin", "der", "wa", "Re"}},
        // Te-le-fon-num-mer with Bü-gel-ei-sen, layout 8.
        {{draw(20, 49), draw(2, 21), layout(8)},
         "Telefonnummer",
         {"Te", "le", "fon", "num", "mer", "Bü", "gel"},
         {"Te", "num", "le", "mer", "fon", "Bü", "gel"}},
    };
    for (const Case& c : cases) {
        clock->randoms = c.draws;
        Form1& f = start("Q");
        EXPECT_EQ(f.Syllables, c.syllables);
        EXPECT_EQ(tileTexts(), c.tiles);
        buildWord(c.word);
        EXPECT_FALSE(f.Richtig->isHidden()) << c.word.toStdString();
    }
}

TEST_F(FugolinTest, TwoTilesWithOneTextAreBothAccepted)
{
    for (int tile : {3, 6}) {
        // Re-gen-wol-ke with Re-gen-bo-gen, layout 1: "Re" on tiles 4 and 7.
        clock->randoms = {draw(9, 49), draw(15, 21), layout(1)};
        Form1& f = start("Q");
        ASSERT_EQ(tileTexts(), (QStringList{"ke", "bo", "gen", "Re", "gen", "wol", "Re"}));
        clickTile(tile);
        EXPECT_EQ(f.Bezeichnung8->text(), "Re");
        buildWord("Regenwolke");
        EXPECT_FALSE(f.Richtig->isHidden());
        EXPECT_TRUE(f.Falsch->isHidden());
    }
}

TEST_F(FugolinTest, NextWordShowsAllTilesAgain)
{
    Form1& f = start("Q05A");
    clickTile(wrongTile());
    const int hidden = int(std::count_if(f.Bezeichnung.begin(), f.Bezeichnung.end(),
                                         [](QLabel* tile) { return tile->isHidden(); }));
    EXPECT_EQ(hidden, 1);
    f.WFehler->trigger();
    EXPECT_EQ(state.WrongFirst, 1);
    for (QLabel* tile : f.Bezeichnung)
        EXPECT_FALSE(tile->isHidden());
    EXPECT_TRUE(f.Falsch->isHidden());
    buildWord();
    EXPECT_FALSE(f.Richtig->isHidden());
}

TEST_F(FugolinTest, TeacherMenuInItsOrderWithTheCheckedWordSet)
{
    Form1& f = start("Q", Three);
    EXPECT_FALSE(f.menuBarVisible());
    EXPECT_EQ(f.heightTwips(), 5790);
    QTest::keyClick(f.Bezeichnung[0], Qt::Key_F6);
    EXPECT_EQ(f.heightTwips(), 6060);
    EXPECT_TRUE(f.WFehler->isVisible());
    QStringList items;
    for (QAction* a : f.dasmenu->actions())
        if (a->isVisible())
            items << (a->isSeparator() ? "-" : (a->isChecked() ? "*" : "") + a->text());
    EXPECT_EQ(items, (QStringList{"&Hilfe", "-", "*Dreisilbige Wörter", "Vier- und mehrsilbige Wörter",
                                  "Alle Wörter", "&Noch mehr Wörter", "&Eigene Wörter", "-", "&Drucken"}));
    EXPECT_FALSE(f.WMehr->isEnabled());
    EXPECT_FALSE(f.WDateiauswahl->isEnabled());
    EXPECT_TRUE(f.Drucken->isEnabled());
    f.Hilfe->trigger();
    ASSERT_EQ(help->opened.size(), 1u);
    EXPECT_EQ(help->opened[0].second, 8);
    QTest::keyClick(&f, Qt::Key_F6);
    EXPECT_EQ(f.heightTwips(), 5790);
}

TEST_F(FugolinTest, ClosedLevelDialogLeavesTheWindowWithoutWords)
{
    Form1& f = start("Q", Closed);
    EXPECT_EQ(f.Level, PuzzleLevel::None);
    EXPECT_EQ(state.WordCount, 0);
    EXPECT_EQ(tileTexts(), QStringList(7, ""));
    EXPECT_TRUE(f.Bild1->pixmap().isNull());
    clickTile(0);
    EXPECT_TRUE(f.Falsch->isHidden());
    f.Leicht->trigger();
    EXPECT_TRUE(wordsOf(22, 49).contains(f.Wortname));
}

TEST_F(FugolinTest, WordListsShowNoPictureNoDistractorsAndWholeLongWords)
{
    writeFile(dataDir() + "/Listen/Meine Wörter", {"Haus", "Ei-sen-bahn-schie-nen-rei-ni-gung"});
    testing_support::whenShown("ListAuswahl", [](platform::Form& dialog) {
        chooseList(static_cast<ListAuswahl&>(dialog), "Meine Wörter");
    });
    clock->randoms = {draw(1, 2), layout(1), draw(2, 2), layout(8)};
    Form1& f = start("Q", OwnLists);
    EXPECT_EQ(f.Level, PuzzleLevel::OwnLists);
    EXPECT_EQ(state.ListSource, WordListSource::OwnLists);
    EXPECT_TRUE(f.WDateiauswahl->isChecked());
    EXPECT_TRUE(f.Bild1->isHidden());
    EXPECT_EQ(f.Picture1->width(), platform::twipsToPixels(8295));
    EXPECT_EQ(f.Bezeichnung8->width(), platform::twipsToPixels(7560));
    EXPECT_EQ(placesOf(f), expectedPlaces(kListPlaces));
    for (QAction* item : {f.alle, f.Leicht, f.schwere, f.WEigene, f.Drucken})
        EXPECT_FALSE(item->isEnabled()) << item->text().toStdString();
    EXPECT_TRUE(f.WMehr->isEnabled());

    EXPECT_EQ(tileTexts(), (QStringList{"", "", "", "Haus", "", "", ""}));
    for (QLabel* tile : f.Bezeichnung)
        EXPECT_FALSE(tile->isHidden());
    clickTile(0);
    EXPECT_TRUE(f.Falsch->isHidden());
    clickTile(3);
    EXPECT_FALSE(f.Richtig->isHidden());
    click(f.Weiter);

    EXPECT_EQ(f.Wortname, "Eisenbahnschienenreinigung");
    EXPECT_EQ(f.Syllables.last(), "nigung");
    buildWord("Eisenbahnschienenreinigung");
    EXPECT_EQ(f.Bezeichnung8->text(), "Eisenbahnschienenreinigung");
    EXPECT_FALSE(f.Richtig->isHidden());
}

TEST_F(FugolinTest, ZurueckInTheListDialogBringsTheLevelDialogBack)
{
    QDir().mkpath(programDir() + "/WeitereListen");
    testing_support::whenShown("ListAuswahl", [](platform::Form& dialog) {
        chooseList(static_cast<ListAuswahl&>(dialog), QString());
    });
    Form1& f = start("Q", More, {All});
    EXPECT_EQ(levelDialogs, 2);
    EXPECT_EQ(f.Level, PuzzleLevel::All);
    EXPECT_EQ(state.ListSource, WordListSource::None);
    EXPECT_FALSE(f.Bild1->isHidden());
    EXPECT_TRUE(f.Drucken->isEnabled());
    EXPECT_FALSE(f.WMehr->isEnabled());
    EXPECT_EQ(placesOf(f), expectedPlaces(kBuiltInPlaces));
    EXPECT_TRUE(wordsOf(1, 49).contains(f.Wortname));
}

TEST_F(FugolinTest, OwnPicturesGiveTheirSyllables)
{
    options.optEigeneBilder = 1;
    writeOptions();
    writePicture(programDir() + "/EigeneBilder/Fugolin/Ba-na-ne.bmp");
    int buttons = 0;
    int height = 0;
    onLevelDialog = [&](SStufe2& dialog) {
        buttons = int(std::count_if(dialog.Stufe.begin(), dialog.Stufe.end(),
                                    [](QPushButton* b) { return !b->isHidden(); }));
        height = dialog.heightTwips();
        EXPECT_EQ(dialog.Stufe[5]->text(), "Wörter aus eigenen Bildern");
    };
    Form1& f = start("Q", OwnPictures);
    EXPECT_EQ(buttons, 6);
    EXPECT_EQ(height, 5490 + 405 + 840);
    EXPECT_TRUE(f.WEigene->isVisible());
    EXPECT_TRUE(f.WEigene->isChecked());
    EXPECT_EQ(f.Level, PuzzleLevel::OwnPictures);
    QStringList texts = tileTexts();
    texts.removeAll("");
    texts.sort();
    EXPECT_EQ(texts, (QStringList{"Ba", "na", "ne"}));
    EXPECT_FALSE(f.Bild1->pixmap().isNull());
    buildWord("Banane");
    EXPECT_EQ(f.Bezeichnung8->text(), "Banane");
    EXPECT_FALSE(f.Richtig->isHidden());
}

TEST_F(FugolinTest, NoOwnPicturesFallBackToAllWords)
{
    options.optEigeneBilder = 1;
    writeOptions();
    QDir().mkpath(programDir() + "/EigeneBilder/Fugolin");
    Form1& f = start("Q", OwnPictures);
    EXPECT_EQ(messages->texts(), QStringList{"Es gibt keine eigenen Bilder! Ich verwende meine Bilder."});
    EXPECT_EQ(f.Level, PuzzleLevel::All);
    EXPECT_EQ(state.WordCount, 49);
    EXPECT_TRUE(f.alle->isChecked());
}

TEST_F(FugolinTest, WithoutOption8FiveButtonsAndNoOwnPictures)
{
    int buttons = 0;
    onLevelDialog = [&](SStufe2& dialog) {
        buttons = int(std::count_if(dialog.Stufe.begin(), dialog.Stufe.end(),
                                    [](QPushButton* b) { return !b->isHidden(); }));
        QStringList captions;
        for (QPushButton* b : dialog.Stufe)
            captions << b->text();
        EXPECT_EQ(captions.mid(0, 5), (QStringList{"Wörter mit drei Silben", "Wörter mit vier oder mehr Silben",
                                                   "alle Wörter", "noch mehr Wörter", "eigene Wörter"}));
    };
    Form1& f = start("Q");
    EXPECT_EQ(buttons, 5);
    EXPECT_FALSE(f.WEigene->isVisible());
}

} // namespace

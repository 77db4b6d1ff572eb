// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/word_building/word_building_fixture.h"

#include "exercises/word_building/LetterWords.h"

#include "exercises/backdrop/BlackBack.h"
#include "framework/GetOwnWords.h"
#include "framework/Protokoll.h"

#include "platform/files.h"
#include "platform/forms/end.h"
#include "platform/forms/twips.h"

#include <QFileInfo>
#include <QSet>

using word_building::Form1;
using word_building::LetterWords;
using word_building::WordBuildingLevel;

namespace {

constexpr int kAll = 100;

class BaudromTest : public WordBuildingTest {
protected:
    BaudromTest() : WordBuildingTest(std::make_unique<LetterWords>(), "EigeneBilder/Baudrom/Buchstaben")
    {
        for (const char* picture : {"Schule.bmp", "Schal.bmp", "Schaf.bmp", "Bus.bmp", "Besen.bmp", "Maler.bmp",
                                    "Lupe.bmp", "Leiter.bmp", "Lampe.bmp"})
            copyFromSuite(picture);
    }
    QColor slotColour(int i) const
    {
        return form->Karte.at(static_cast<std::size_t>(i - 1))->palette().color(QPalette::Window);
    }
};

TEST_F(BaudromTest, SchuleOpensSlotBySlotThenShowsThreeSchPictures)
{
    // Schule; the SCH group in table order misses it, so it takes the second place.
    clock->randoms = {drawOf(kAll, 32), 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0.5};
    Form1& f = start();
    EXPECT_EQ(f.caption(), "QL Baudrom 1 (Buchstaben) ;   <F6> für Lehrermenü");
    EXPECT_EQ(f.task.Wortname, "Schule");
    const int lefts[] = {390, 2550, 3630, 4710};
    const int widths[] = {2175, 1095, 1095, 1095};
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(slotTwips(i), QRect(lefts[i - 1], 360, widths[i - 1], 1215)) << i;
        EXPECT_FALSE(f.Karte[i - 1]->isHidden());
        EXPECT_EQ(f.Karte[i - 1]->text(), "");
        EXPECT_EQ(slotColour(i), QColor(224, 224, 224));
    }
    for (int i = 5; i <= 8; ++i)
        EXPECT_TRUE(f.Karte[i - 1]->isHidden()) << i;

    clickSlot(3);
    EXPECT_EQ(f.Karte[2]->text(), "");
    EXPECT_EQ(f.task.AktNummer, 1);
    bool disabledDuringPause = false, picturesHiddenDuringPause = false;
    clock->onSleep = [&](int) {
        disabledDuringPause = !f.Command1->isEnabled();
        picturesHiddenDuringPause = f.Bild[0]->isHidden() && f.Bild[1]->isHidden() && f.Bild[2]->isHidden();
    };
    const QStringList shown[] = {{"Sch"}, {"Sch", "u"}, {"Sch", "u", "l"}};
    for (int i = 1; i <= 3; ++i) {
        clickSlot(i);
        EXPECT_EQ(f.Karte[i - 1]->text(), shown[i - 1].last());
        EXPECT_EQ(slotColour(i), QColor(255, 255, 255));
        EXPECT_TRUE(clock->sleeps.empty());
        EXPECT_TRUE(f.Bild[0]->isHidden());
    }
    clickSlot(4);
    EXPECT_EQ(f.Karte[3]->text(), "e");
    EXPECT_EQ(clock->sleeps, std::vector<int>{2000});
    EXPECT_TRUE(disabledDuringPause);
    EXPECT_TRUE(picturesHiddenDuringPause);
    EXPECT_TRUE(f.Command1->isEnabled());
    EXPECT_EQ(tags(), (QStringList{"SCHAL", "SCHULE", "SCHAF"}));
    for (QPushButton* picture : f.Bild) {
        EXPECT_FALSE(picture->isHidden());
        EXPECT_FALSE(picture->icon().isNull());
    }
    clickSlot(5);
    EXPECT_EQ(clock->sleeps.size(), 1u);
}

TEST_F(BaudromTest, EveryWordHasItsPictureAmongThreeOfItsGroup)
{
    struct Case {
        int word;
        std::deque<double> draws;
        QStringList tags;
    };
    // Bus stands in no group: it replaces the third picture of the B group.
    const Case cases[] = {
        {4, {drawOf(kAll, 4), 0, 0, 0, 0, 0, 0, 0, 0, 0.9}, {"MALER", "BAUM", "BUS"}},
        {1, {drawOf(kAll, 1), 0.9, 0.6, 0}, {"LAMPE", "LEITER", "LUPE"}},
    };
    for (const Case& c : cases) {
        clock->randoms = c.draws;
        start();
        EXPECT_EQ(form->WelchesWort, c.word);
        revealAll();
        EXPECT_EQ(tags(), c.tags) << c.word;
        EXPECT_FALSE(form->Bild[static_cast<std::size_t>(rightPicture() - 1)]->icon().isNull());
    }
}

TEST_F(BaudromTest, TheTableHasEightTilesAtMostAGroupAndAPictureForEveryWord)
{
    const LetterWords words;
    for (int n = 1; n <= kAll; ++n) {
        const QStringList tiles = words.tiles(n, false);
        EXPECT_TRUE(!tiles.isEmpty() && tiles.size() <= 8) << n;
        EXPECT_GE(words.group(n).size(), 3u) << n;
        EXPECT_TRUE(platform::fileExists(QStringLiteral(TAVORO_SUITE_DIR "/") + words.picturePath(n)))
            << words.picturePath(n).toStdString();
    }
    EXPECT_EQ(words.tiles(89, false), (QStringList{"Sch", "w", "ei", "n"}));
    EXPECT_EQ(words.tiles(98, false), (QStringList{"A", "pf", "e", "l"}));
    EXPECT_EQ(words.Wortsuche(0), "");
    EXPECT_EQ(words.Wortsuche(101), "");
}

TEST_F(BaudromTest, ALoggedRunWritesThePupilsLog)
{
    clock->randoms = {drawOf(kAll, 1), 0.9, 0.6, 0};
    startLogged("Anna");
    const QString second = solveTwoTasksAndEnd();
    EXPECT_TRUE(platform::programEnded());

    const QByteArray expected = "\r\n" + QByteArray(82, '-') + "\r\n\r\n"
                                "Programm Baudrom (Buchstaben):\r\n"
                                // The first result comes after the two-second pause.
                                "Protokoll begonnen am 10.12.2026 09:30:02.\r\n\r\n"
                                "Die Aufgabe \"Lupe\" wurde beim ersten Versuch richtig gel\xF6st.\r\n"
                                "Die Aufgabe \"" + second.toLatin1() + "\" wurde beim ersten Versuch falsch gel\xF6st.\r\n"
                                "\r\nVon 2 Aufgaben wurden 1 richtig gel\xF6st.\r\n";
    EXPECT_EQ(readBytes(logFolder() + "/Protokoll_2/Anna.txt").toStdString(), expected.toStdString());
    EXPECT_EQ(processes->commandLines(), QStringList{programDir() + "/startomo.exe /n=\"Anna\""});
}

TEST_F(BaudromTest, JudgingAndMovingOn)
{
    Form1& f = start();
    revealAll();
    // A wrong click after the right one takes the solved mark away again.
    pick(rightPicture());
    EXPECT_FALSE(f.Richtig->isHidden());
    pick(wrongPicture());
    EXPECT_TRUE(f.Richtig->isHidden());
    EXPECT_FALSE(f.Falsch->isHidden());
    EXPECT_TRUE(state.TaskWrong);
    // Option 7 off: the button waits for the right picture.
    const QString word = f.task.Wortname;
    click(f.Command1);
    EXPECT_EQ(f.task.Wortname, word);
    EXPECT_EQ(state.TasksDone, 0);
    pick(rightPicture());
    click(f.Command1);
    EXPECT_EQ(state.TasksDone, 1);
    EXPECT_EQ(state.WrongFirst, 1);
    EXPECT_TRUE(f.Bild[0]->isHidden());
    EXPECT_EQ(f.task.AktNummer, 1);

    // "Weiter trotz Fehler" counts an unsolved task once.
    QTest::keyClick(&f, Qt::Key_F6);
    f.WFehler->trigger();
    EXPECT_EQ(state.TasksDone, 2);
    EXPECT_EQ(state.WrongFirst, 2);
    QTest::keyClick(&f, Qt::Key_F6);
    EXPECT_EQ(f.heightTwips(), 5610);
    EXPECT_FALSE(f.menuBarVisible());
}

TEST_F(BaudromTest, Option7SkipsAnUnsolvedTaskLoggedWrongOnce)
{
    options.FehlerWeiter = -1;
    Form1& f = startLogged("Tom");
    const QString word = f.task.Wortname;
    revealAll();
    pick(wrongPicture());
    click(f.Command1);
    EXPECT_EQ(state.TasksDone, 1);
    EXPECT_EQ(state.WrongFirst, 1);
    f.unload();
    const QStringList lines = platform::readTextFile(logFolder() + "/Protokoll_2/Tom.txt").lines;
    EXPECT_EQ(lines.filter("Die Aufgabe").size(), 1);
    EXPECT_TRUE(lines.contains("Die Aufgabe \"" + word + "\" wurde beim ersten Versuch falsch gelöst."));
}

TEST_F(BaudromTest, Option6ShowsTheBlockResultAfterTheTenthTask)
{
    options.Proto = -1;
    Form1& f = start();
    const bool shown = solveTasks(
        10,
        [](Protokoll& p) {
            EXPECT_EQ(p.GesamteA, 10);
            EXPECT_EQ(p.FalscheA, 1);
            EXPECT_EQ(p.RichtigeA, 9);
            click(p.Weiter->isHidden() ? p.Wiederholen : p.Weiter);
        },
        3);
    EXPECT_TRUE(shown);
    EXPECT_EQ(state.TasksDone, 0);
    EXPECT_EQ(f.task.AktNummer, 1);
}

TEST_F(BaudromTest, AnAssignmentShowsTheResultWithoutWeiterAndEndsOnlyThroughTheMenu)
{
    Form1& f = start("Q05A");
    EXPECT_TRUE(f.Ende->isHidden());
    EXPECT_FALSE(f.close());
    EXPECT_TRUE(f.loaded());
    const bool shown = solveTasks(10, [](Protokoll& p) {
        EXPECT_TRUE(p.Weiter->isHidden());
        click(p.Wiederholen);
    });
    EXPECT_TRUE(shown);
    revealAll();
    pick(wrongPicture());
    f.M_Ende->trigger();
    EXPECT_TRUE(platform::programEnded());
    const QStringList record = platform::readTextFile(dataDir() + "/Protokoll.txt").lines;
    ASSERT_FALSE(record.isEmpty());
    EXPECT_TRUE(record.first().startsWith("Programm QL Baudrom 1; Protokoll erstellt am "));
    EXPECT_EQ(record.last(), "termination by supervisor");
    EXPECT_TRUE(processes->started.empty());
}

TEST_F(BaudromTest, EachLevelDrawsItsWordsOncePerPassAndStartsOver)
{
    struct Case {
        int button;
        WordBuildingLevel level;
        QAction* Form1::*item;
        int first, last;
    };
    for (const Case c : {Case{0, WordBuildingLevel::Short, &Form1::WLeicht, 1, 70},
                         Case{1, WordBuildingLevel::Longer, &Form1::WSchwer, 71, 100}}) {
        Form1& f = start("Q", c.button);
        EXPECT_EQ(f.Level, c.level);
        EXPECT_TRUE((f.*c.item)->isChecked());
        const int pool = c.last - c.first + 1;
        QList<int> drawn;
        for (int task = 1; task <= 2 * pool; ++task) {
            drawn << f.WelchesWort;
            f.WFehler->trigger();
        }
        for (const int pass : {0, pool}) {
            const QList<int> words = drawn.mid(pass, pool);
            EXPECT_EQ(QSet<int>(words.begin(), words.end()).size(), pool) << c.button;
            EXPECT_EQ(*std::min_element(words.begin(), words.end()), c.first) << c.button;
            EXPECT_EQ(*std::max_element(words.begin(), words.end()), c.last) << c.button;
        }
    }
}

TEST_F(BaudromTest, TheLevelDialogAndTheTeacherMenuOfferOwnPicturesOnlyWithOption8)
{
    expectLevelChoices({"kurze Wörter", "längere Wörter", "alle Wörter"}, "Wörter mit eigenen Bildern",
                       {"&Leichte Wörter", "&Schwere Wörter", "&Alle Wörter"}, "Wörter aus eigenen &Bildern", 4);
}

TEST_F(BaudromTest, CapitalsShowSchAsOneTile)
{
    options.Buchstaben = -1;
    clock->randoms = {drawOf(kAll, 32), 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0.5};
    Form1& f = start();
    EXPECT_EQ(f.task.Wortname, "SCHULE");
    clickSlot(1);
    EXPECT_EQ(f.Karte[0]->text(), "SCH");
    revealAll();
    pick(2);
    EXPECT_FALSE(f.Richtig->isHidden());
}

TEST_F(BaudromTest, OwnPictures)
{
    options.optEigeneBilder = 1;
    addOwnPictures({"Hund", "Katze"});
    Form1& f = start("Q", 3);
    EXPECT_EQ(messages->texts(), QStringList{"Es gibt zu wenige eigene Bilder! Ich verwende meine Bilder."});
    EXPECT_EQ(f.Level, WordBuildingLevel::All);
    EXPECT_TRUE(f.WAlle->isChecked());
    EXPECT_FALSE(f.WEigene->isChecked());
    EXPECT_TRUE(f.WEigene->isVisible());

    addOwnPictures({"Hund", "Katze", "Schaf"});
    start("Q", 3);
    EXPECT_EQ(form->Level, WordBuildingLevel::OwnPictures);
    EXPECT_TRUE(form->WEigene->isChecked());
    for (int task = 1; task <= 9; ++task) {
        const QString ownFile = form->OwnSource->Bildpfad();
        const int right = rightPicture();
        ASSERT_NE(right, 0);
        for (int k = 0; k < 3; ++k)
            if (k != right - 1) {
                EXPECT_NE(form->PicturePath[static_cast<std::size_t>(k)], ownFile);
                EXPECT_EQ(tags()[k], "-");
            }
        revealAll();
        EXPECT_EQ(form->task.Wortname, QFileInfo(ownFile).baseName());
        pick(right);
        EXPECT_FALSE(form->Richtig->isHidden());
        click(form->Command1);
    }
}

TEST_F(BaudromTest, TheBackdropStandsBehindTheWindowWithOption1)
{
    options.HGrund = -1;
    Form1& f = start();
    ASSERT_TRUE(f.HG);
    EXPECT_TRUE(f.HG->Enabled());
    EXPECT_TRUE(f.close());
    EXPECT_FALSE(platform::formLoaded("Hintergrund"));
}

} // namespace

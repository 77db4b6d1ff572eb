// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/syllable_riddle/riddle_fixture.h"

#include "exercises/backdrop/BlackBack.h"
#include "framework/Protokoll.h"

#include "platform/forms/end.h"

#include <QDir>

using syllable_riddle::Form1;
using syllable_riddle::SyllableRiddle;

namespace {

const QString kTask = "Die Aufgabe \"%1\" wurde beim ersten Versuch %2 gelöst.";

QStringList enabledTexts(const std::vector<QPushButton*>& column)
{
    QStringList texts;
    for (QPushButton* button : column)
        if (button->isEnabled())
            texts << button->text();
    return texts;
}

const QStringList kTeacherMenu{"&Hilfe", "-", "&Leichte Wörter", "&Schwere Wörter", "&Alle Wörter"};

QStringList visibleItems(const QMenu* menu)
{
    QStringList items;
    for (QAction* a : menu->actions())
        if (a->isVisible())
            items << (a->isSeparator() ? "-" : a->text());
    return items;
}

QColor iconColour(const QPushButton* button)
{
    return button->icon().pixmap(20, 20).toImage().pixelColor(10, 10);
}

TEST_F(RiddleFormTest, AJoinedWordShowsRichtigForThreeSecondsThenTheRestIsOffered)
{
    writePicture(programDir() + "/schraube.BMP");
    const QString logs = logFolder();
    scriptWords({48, 3, 4, 20});   // Schrau-be, Ma-ler, Ma-ma, Ha-se
    Form1& f = start(QString("Q /p=\"%1\" /n=\"Anna\"").arg(logs));
    ASSERT_TRUE(f.isVisible());
    EXPECT_EQ(f.caption(), "QL Rateflor ;   <F6> für Lehrermenü");
    EXPECT_EQ(f.scaleWidthTwips(), 9375);
    EXPECT_EQ(f.scaleHeightTwips(), 6330);
    EXPECT_EQ(enabledTexts(f.Silbe1).size(), 4);
    EXPECT_TRUE(enabledTexts(f.Silbe2).isEmpty());

    QPushButton* first = firstOf("Schraube");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->text(), "Schrau");
    EXPECT_EQ(first->font().pointSizeF(), 27.75);
    EXPECT_TRUE(first->font().bold());
    EXPECT_EQ(iconColour(pictureOf("Schraube")), QColor(Qt::green));
    // A word without its picture file keeps an empty button that still takes clicks.
    ASSERT_NE(pictureOf("Maler"), nullptr);
    EXPECT_TRUE(pictureOf("Maler")->icon().isNull());
    EXPECT_TRUE(pictureOf("Maler")->isEnabled());
    click(first);
    EXPECT_EQ(enabledTexts(f.Silbe1), QStringList{"Schrau"});
    EXPECT_EQ(enabledTexts(f.Silbe2).size(), 4);
    click(secondNamed("be"));
    EXPECT_EQ(enabledTexts(f.Silbe2), QStringList{"be"});
    click(pictureOf("Schraube"));
    EXPECT_FALSE(f.Richtig->isHidden());
    EXPECT_TRUE(f.Falsch->isHidden());
    for (QPushButton* picture : f.Bild)
        EXPECT_EQ(picture->isEnabled(), picture == pictureOf("Schraube"));
    EXPECT_EQ(state.TasksDone, 1);
    EXPECT_EQ(state.WrongFirst, 0);
    // The used "be" stays clickable during the pause but has nothing to join.
    click(secondNamed("be"));
    EXPECT_TRUE(f.Falsch->isHidden());
    EXPECT_FALSE(f.Richtig->isHidden());

    clock->advance(2999);
    EXPECT_FALSE(f.Richtig->isHidden());
    clock->advance(1);
    EXPECT_TRUE(f.Richtig->isHidden());
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(f.Silbe1[i]->isEnabled(), f.Silbe1[i] != first) << i;
        EXPECT_FALSE(f.Silbe2[i]->isEnabled()) << i;
        EXPECT_TRUE(f.Bild[i]->isEnabled()) << i;
    }
    EXPECT_EQ(platform::tag(first), "");
    click(first);
    EXPECT_TRUE(enabledTexts(f.Silbe2).isEmpty());
    EXPECT_EQ(logLines(logs).mid(6), QStringList{kTask.arg("Schraube", "richtig")});
    join("Maler");
    EXPECT_EQ(state.TasksDone, 2);
    EXPECT_TRUE(messages->shown.empty());
}

// Wrong parts before the right picture: the word counts once as an error and is logged wrong once.
TEST_F(RiddleFormTest, WrongPartsCountTheWordWrongOnce)
{
    struct Case {
        const char* name;
        int wrongSeconds;
        int wrongPictures;
    };
    for (const Case c : {Case{"wrong second syllable", 1, 0}, Case{"two wrong pictures", 0, 2}}) {
        const QString logs = logFolder();
        QFile::remove(logs + "/Protokoll_2/Anna.txt");
        newCycle();
        scriptWords({48, 9, 31, 58});   // Schrau-be, Ro-se, Lam-pe, Ei-mer
        Form1& f = start(QString("Q /p=\"%1\" /n=\"Anna\"").arg(logs));
        click(firstOf("Schraube"));
        for (int i = 0; i < c.wrongSeconds; ++i) {
            click(secondNamed("se"));
            EXPECT_FALSE(f.Falsch->isHidden()) << c.name;
            EXPECT_EQ(enabledTexts(f.Silbe2).size(), 4) << c.name;
            clock->advance(2999);
            EXPECT_FALSE(f.Falsch->isHidden()) << c.name;
            clock->advance(1);
            EXPECT_TRUE(f.Falsch->isHidden()) << c.name;
        }
        click(secondNamed("be"));
        for (int i = 0; i < c.wrongPictures; ++i) {
            click(otherPicture("Schraube"));
            EXPECT_FALSE(f.Falsch->isHidden()) << c.name;
            EXPECT_TRUE(f.Richtig->isHidden()) << c.name;
        }
        click(pictureOf("Schraube"));
        EXPECT_FALSE(f.Richtig->isHidden()) << c.name;
        EXPECT_TRUE(f.Falsch->isHidden()) << c.name;
        EXPECT_EQ(state.TasksDone, 1) << c.name;
        EXPECT_EQ(state.WrongFirst, 1) << c.name;
        clock->advance(3000);
        join("Rose");
        EXPECT_EQ(state.WrongFirst, 1) << c.name;
        stop();
        EXPECT_EQ(logLines(logs).mid(6, 2),
                  (QStringList{kTask.arg("Schraube", "falsch"), kTask.arg("Rose", "richtig")}))
            << c.name;
    }
}

TEST_F(RiddleFormTest, TwoWordsWithOneFirstSyllableShareTheirSecondSyllables)
{
    scriptWords({3, 4, 48, 9});   // Ma-ler, Ma-ma, Schrau-be, Ro-se
    Form1& f = start("Q");
    // The "Ma" of "Maler" with "ma" makes "Mama", whose picture counts as right; the other
    // "Ma" then no longer offers "ma" and makes "Maler".
    click(firstOf("Maler"));
    click(secondNamed("ma"));
    EXPECT_TRUE(f.Falsch->isHidden());
    click(pictureOf("Mama"));
    EXPECT_FALSE(f.Richtig->isHidden());
    clock->advance(3000);
    click(firstOf("Mama"));
    QStringList offered = enabledTexts(f.Silbe2);
    offered.sort();
    EXPECT_EQ(offered, (QStringList{"be", "ler", "se"}));
    // "Mama" cannot be built twice.
    click(*std::find_if(f.Silbe2.begin(), f.Silbe2.end(), [](QPushButton* b) { return b->text() == "ma"; }));
    click(pictureOf("Mama"));
    EXPECT_EQ(state.TasksDone, 1);
    click(secondNamed("ler"));
    click(pictureOf("Maler"));
    EXPECT_FALSE(f.Richtig->isHidden());
    EXPECT_EQ(state.TasksDone, 2);
    EXPECT_EQ(state.WrongFirst, 0);

    // Once "ma" is used with the "Ma" of "Mama", the other "Ma" no longer offers it.
    newCycle();
    scriptWords({3, 4, 48, 9});
    f.WAlle->trigger();
    join("Mama");
    click(firstOf("Maler"));
    offered = enabledTexts(f.Silbe2);
    offered.sort();
    EXPECT_EQ(offered, (QStringList{"be", "ler", "se"}));
    click(secondNamed("ler"));
    click(pictureOf("Maler"));
    EXPECT_FALSE(f.Richtig->isHidden());
    EXPECT_EQ(state.TasksDone, 4);
    EXPECT_EQ(state.WrongFirst, 0);
}

TEST_F(RiddleFormTest, LoggedRunWritesThePupilsLogAndReturnsToTheLauncher)
{
    const QString logs = logFolder();
    scriptWords({48, 9, 31, 58});   // Schrau-be, Ro-se, Lam-pe, Ei-mer
    Form1& f = start(QString("Q /p=\"%1\" /n=\"Anna\"").arg(logs));
    join("Schraube");
    click(firstOf("Rose"));
    click(secondNamed("pe"));
    click(secondNamed("se"));
    click(pictureOf("Rose"));
    click(f.Ende);
    EXPECT_TRUE(platform::programEnded());
    EXPECT_EQ(readBytes(logs + "/Protokoll_2/Anna.txt"),
              "\r\n" + QByteArray(82, '-') + "\r\n\r\n"
              "Programm Rateflor:\r\n"
              "Protokoll begonnen am 10.12.2026 09:30:00.\r\n"
              "\r\n"
              "Die Aufgabe \"Schraube\" wurde beim ersten Versuch richtig gel\xf6st.\r\n"
              "Die Aufgabe \"Rose\" wurde beim ersten Versuch falsch gel\xf6st.\r\n"
              "\r\n"
              "Von 2 Aufgaben wurden 1 richtig gel\xf6st.\r\n");
    EXPECT_EQ(processes->commandLines(), QStringList{programDir() + "/startomo.exe /n=\"Anna\""});
}

// Eight words: two turns of four, each scripted just before its turn is drawn.
const std::vector<int> kFirstTurn{48, 9, 31, 58};
const std::vector<int> kSecondTurn{16, 26, 40, 47};
const QStringList kEightJoined{"Schraube", "Rose", "Lampe", "Eimer", "Auto", "Torte", "Birne", "Pinsel"};

TEST_F(RiddleFormTest, EightWordsShowTheBlockResultAfterThePause)
{
    options.Proto = -1;
    writeOptions(options);
    scriptWords(kFirstTurn);
    Form1& f = start("Q");
    bool shown = false;
    for (int word = 0; word < 8; ++word) {
        if (word == 3)
            scriptWords(kSecondTurn);
        if (word == 2) {
            click(firstOf(kEightJoined[word]));
            click(secondNamed("be"));
        }
        if (word == 7) {
            testing_support::whenShown("Protokoll", [&](platform::Form& dialog) {
                auto& block = static_cast<Protokoll&>(dialog);
                shown = true;
                EXPECT_EQ(block.Anzeige->text(), "von 8 Aufgaben");
                EXPECT_EQ(block.Richtig->text(), "7");
                EXPECT_EQ(block.Falsch->text(), "1");
                EXPECT_TRUE(f.Richtig->isHidden());
                EXPECT_FALSE(block.Wiederholen->isHidden());
                click(block.Wiederholen);
            });
        }
        join(kEightJoined[word]);
        EXPECT_EQ(shown, word == 7) << word;
    }
    EXPECT_EQ(state.TasksDone, 0);
    EXPECT_EQ(state.WrongFirst, 0);
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(enabledTexts(f.Silbe1).size(), 4);
}

TEST_F(RiddleFormTest, AssignmentWritesBlockRecordsAndEndsThroughTheMenu)
{
    scriptWords(kFirstTurn);
    Form1& f = start("Q05A");
    EXPECT_TRUE(state.TaskMode);
    EXPECT_TRUE(f.Ende->isHidden());
    EXPECT_TRUE(f.M_Ende->isVisible());
    EXPECT_FALSE(f.close());
    EXPECT_TRUE(f.loaded());
    for (int word = 0; word < 8; ++word) {
        if (word == 3)
            scriptWords(kSecondTurn);
        if (word == 7)
            testing_support::whenShown("Protokoll", [&](platform::Form& dialog) {
                auto& block = static_cast<Protokoll&>(dialog);
                EXPECT_TRUE(block.Weiter->isHidden());
                EXPECT_TRUE(block.Wiederholen->isHidden());
                click(block.Ende);
            });
        join(kEightJoined[word]);
    }
    EXPECT_TRUE(platform::programEnded());
    EXPECT_FALSE(f.loaded());

    newCycle();
    scriptWords(kFirstTurn);
    Form1& again = start("Q05A");
    join("Schraube");
    click(firstOf("Rose"));
    again.M_Ende->trigger();
    EXPECT_TRUE(platform::programEnded());
    EXPECT_FALSE(again.loaded());
    // Eight pauses of three seconds lie before the block record, one more before the abort.
    const QString header = "Programm QL Rateflor; Protokoll erstellt am 10.12.2026 09:30:%1.";
    EXPECT_EQ(platform::readTextFile(dataDir() + "/Protokoll.txt").lines.join("|").toStdString(),
              (QStringList{header.arg(24), "Von 8 Aufgaben wurden", "8 Aufgabe(n) auf Anhieb richtig und",
                           "0 Aufgabe(n) beim ersten Mal falsch gelöst.", "", header.arg(27),
                           "Das Programm wurde vorzeitig abgebrochen.",
                           "Es wurden nur 1 Aufgabe(n) abgearbeitet. Davon wurden",
                           "1 Aufgabe(n) auf Anhieb richtig und",
                           "0 Aufgabe(n) beim ersten Mal falsch gelöst.", "", "termination by supervisor"})
                  .join("|")
                  .toStdString());
    EXPECT_TRUE(processes->started.empty());
}

TEST_F(RiddleFormTest, TeacherMenuStartsANewTurnWithoutCounting)
{
    const QString logs = logFolder();
    scriptWords(kFirstTurn);
    Form1& f = start(QString("Q /p=\"%1\" /n=\"Anna\"").arg(logs));
    const int height = f.heightTwips();
    QTest::keyClick(f.Silbe1[0], Qt::Key_F6);
    EXPECT_TRUE(platform::Form::menuVisible(f.dasmenu));
    EXPECT_EQ(f.heightTwips(), height + 270);
    EXPECT_EQ(visibleItems(f.dasmenu), kTeacherMenu);
    EXPECT_TRUE(f.WAlle->isChecked());
    EXPECT_TRUE(f.WFehler->isVisible());
    EXPECT_EQ(f.WFehler->text(), "Weiter");
    f.Hilfe->trigger();
    ASSERT_EQ(help->opened.size(), 1u);
    EXPECT_EQ(help->opened[0].second, 7);

    join("Schraube");
    click(firstOf("Rose"));
    click(secondNamed("pe"));
    scriptWords(kSecondTurn);
    f.WFehler->trigger();
    EXPECT_EQ(f.riddle.turn[0].joined(), "Auto");
    EXPECT_EQ(enabledTexts(f.Silbe1).size(), 4);
    EXPECT_TRUE(enabledTexts(f.Silbe2).isEmpty());
    EXPECT_TRUE(f.Falsch->isHidden());
    EXPECT_EQ(state.TasksDone, 1);
    EXPECT_EQ(state.WrongFirst, 0);

    // During the pause after a joined word: the new turn is not disturbed when the pause ends.
    click(firstOf("Auto"));
    click(secondNamed("to"));
    click(pictureOf("Auto"));
    scriptWords({3, 4, 5, 6});
    f.WFehler->trigger();
    EXPECT_EQ(f.riddle.turn[0].joined(), "Maler");
    EXPECT_TRUE(f.Richtig->isHidden());
    EXPECT_EQ(enabledTexts(f.Bild).size(), 4);
    click(firstOf("Maler"));
    clock->advance(3000);
    EXPECT_EQ(enabledTexts(f.Silbe2).size(), 4);
    EXPECT_EQ(state.TasksDone, 2);

    QTest::keyClick(&f, Qt::Key_F6);
    EXPECT_FALSE(f.menuBarVisible());
    EXPECT_EQ(f.heightTwips(), height);
    stop();
    EXPECT_EQ(logLines(logs).mid(6, 3), (QStringList{kTask.arg("Schraube", "richtig"),
                                                     kTask.arg("Auto", "richtig"), ""}));
}

TEST_F(RiddleFormTest, LevelMenusCheckThemselvesAndStartANewCycle)
{
    scriptWords({48, 9, 31, 58});
    Form1& f = start("Q");
    struct Case {
        QAction* item;
        SyllableRiddle::Level level;
    };
    for (const Case c : {Case{f.WLeicht, SyllableRiddle::Level::Easy}, Case{f.WSchwer, SyllableRiddle::Level::Hard},
                         Case{f.WAlle, SyllableRiddle::Level::All}}) {
        newCycle();
        scriptWords({48, 3, 4, 20});
        c.item->trigger();
        for (QAction* item : {f.WLeicht, f.WSchwer, f.WAlle})
            EXPECT_EQ(item->isChecked(), item == c.item);
        EXPECT_EQ(f.riddle.level, c.level);
        EXPECT_NE(firstOf("Schraube"), nullptr);
        EXPECT_NE(firstOf("Hase"), nullptr);
    }
}

TEST_F(RiddleFormTest, CapitalsAndTheOtherUnusedOptionsChangeNothing)
{
    options.Buchstaben = -1;
    options.FehlerWeiter = -1;
    options.optEigeneBilder = 1;
    options.Opt_AnlautKritzlon = 1;
    options.Opt_AnlautTastomat = 1;
    writeOptions(options);
    scriptWords({48, 9, 31, 58});
    Form1& f = start("Q");
    ASSERT_NE(firstOf("Schraube"), nullptr);
    EXPECT_EQ(firstOf("Schraube")->text(), "Schrau");
    QStringList seconds;
    for (QPushButton* button : f.Silbe2)
        seconds << button->text();
    EXPECT_TRUE(seconds.contains("be"));
    EXPECT_EQ(visibleItems(f.dasmenu), kTeacherMenu);
    EXPECT_TRUE(messages->shown.empty());
}

TEST_F(RiddleFormTest, BackdropStandsBehindTheWindowUntilItCloses)
{
    options.HGrund = -1;
    writeOptions(options);
    Form1& f = start("Q");
    ASSERT_NE(f.HG, nullptr);
    EXPECT_TRUE(f.HG->Enabled());
    EXPECT_TRUE(platform::formLoaded("Hintergrund"));
    EXPECT_TRUE(f.close());
    EXPECT_FALSE(platform::formLoaded("Hintergrund"));
    EXPECT_EQ(processes->commandLines(), QStringList{programDir() + "/startomo.exe"});
}

} // namespace

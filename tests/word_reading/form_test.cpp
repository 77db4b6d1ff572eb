// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/word_reading/reading_fixture.h"

#include "framework/Protokoll.h"

#include "platform/files.h"
#include "platform/forms/end.h"

#include <QDir>

using word_reading::Form1;
using word_reading::ReadingSet;

namespace {

// Words 1 to 10 of the table, laid out in this order.
const std::vector<int> kFirstTen{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
const std::vector<int> kOrder{4, 9, 1, 7, 10, 2, 5, 3, 8, 6};
const QStringList kLaidOut{"Bus", "Mama", "Lupe", "Oma", "Ofen", "Foto", "Esel", "Maler", "Schal", "Opa"};

QStringList enabledPictures(const Form1& f)
{
    QStringList enabled;
    for (int k = 1; k <= ReadingSet::kWords; ++k)
        if (f.Bild[static_cast<std::size_t>(k)]->isEnabled())
            enabled << platform::tag(f.Bild[static_cast<std::size_t>(k)]);
    return enabled;
}

TEST_F(ReadingTest, ASetShowsItsWordsJudgesClicksAndPausesThreeSeconds)
{
    scriptSet(kFirstTen, 100, kOrder);
    Form1& f = start("Q");
    EXPECT_EQ(f.caption(), "QL Lesolum ;   <F6> für Lehrermenü");
    EXPECT_EQ(tags(), kLaidOut);
    EXPECT_EQ(f.Anzeige->text(), "Lupe");

    // Two wrong clicks on "Lupe", the second after the pause.
    for (const QString wrong : {"Bus", "Oma"}) {
        click(pictureOf(wrong));
        EXPECT_FALSE(f.Falsch->isHidden());
        EXPECT_TRUE(f.Richtig->isHidden());
        EXPECT_EQ(enabledPictures(f), QStringList{wrong});
        click(pictureOf(wrong));
        click(pictureOf("Lupe"));
        clock->advance(2999);
        EXPECT_FALSE(f.Falsch->isHidden());
        clock->advance(1);
        EXPECT_TRUE(f.Falsch->isHidden());
        EXPECT_EQ(f.Anzeige->text(), "Lupe");
        EXPECT_EQ(enabledPictures(f), kLaidOut);
    }
    EXPECT_EQ(state.WrongFirst, 0);

    click(pictureOf("Lupe"));
    EXPECT_FALSE(f.Richtig->isHidden());
    EXPECT_TRUE(f.Falsch->isHidden());
    EXPECT_EQ(state.TasksDone, 1);
    EXPECT_EQ(state.WrongFirst, 1);
    click(pictureOf("Lupe"));
    EXPECT_EQ(state.TasksDone, 1);
    clock->advance(2999);
    EXPECT_FALSE(f.Richtig->isHidden());
    EXPECT_EQ(f.Anzeige->text(), "Lupe");
    clock->advance(1);
    EXPECT_TRUE(f.Richtig->isHidden());
    EXPECT_EQ(f.Anzeige->text(), "Foto");

    readWord();
    EXPECT_EQ(state.TasksDone, 2);
    EXPECT_EQ(state.WrongFirst, 1);
    EXPECT_EQ(f.Anzeige->text(), "Maler");
    EXPECT_EQ(tags(), kLaidOut);
}

TEST_F(ReadingTest, LoggedRunWritesOneLinePerWord)
{
    scriptSet(kFirstTen, 100, kOrder);
    Form1& f = startForAnna();
    readWord();
    click(pictureOf("Maler"));
    clock->advance(3000);
    click(pictureOf("Bus"));
    clock->advance(3000);
    readWord();
    click(f.Ende);
    EXPECT_TRUE(platform::programEnded());

    EXPECT_EQ(readBytes(annasLog()),
              "\r\n" + QByteArray(82, '-') + "\r\n\r\n"
              "Programm Lesolum:\r\n"
              "Protokoll begonnen am 10.12.2026 09:30:00.\r\n"
              "\r\n"
              "Die Aufgabe \"Lupe\" wurde beim ersten Versuch richtig gel\xf6st.\r\n"
              "Die Aufgabe \"Foto\" wurde beim ersten Versuch falsch gel\xf6st.\r\n"
              "\r\n"
              "Von 2 Aufgaben wurden 1 richtig gel\xf6st.\r\n");
    EXPECT_EQ(processes->commandLines(), QStringList{programDir() + "/startomo.exe /n=\"Anna\""});
}

TEST_F(ReadingTest, TheTenthWordShowsTheBlockResultThenANewSet)
{
    struct Case {
        QString line;
        int option6;
        int wrongWords;
        bool weiter, ende, wiederholen;
    };
    const Case cases[] = {{"Q", -1, 0, true, true, false},
                          {"Q", -1, 2, false, false, true},
                          {"Q", 0, 2, false, false, false},
                          {"Q05A", 0, 5, false, true, false},
                          {"Q05A", 0, 6, false, false, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line.toStdString() + " " + std::to_string(c.wrongWords));
        options.Proto = c.option6;
        writeOptions(options);
        Form1& f = start(c.line);
        bool shown = false;
        testing_support::whenShown("Protokoll", [&](platform::Form& dialog) {
            auto& p = static_cast<Protokoll&>(dialog);
            shown = true;
            EXPECT_EQ(p.Anzeige->text(), "von 10 Aufgaben");
            EXPECT_EQ(p.Richtig->text(), QString::number(10 - c.wrongWords));
            EXPECT_EQ(p.Falsch->text(), QString::number(c.wrongWords));
            EXPECT_EQ(p.Weiter->isHidden(), !c.weiter);
            EXPECT_EQ(p.Ende->isHidden(), !c.ende);
            EXPECT_EQ(p.Wiederholen->isHidden(), !c.wiederholen);
            click(c.wiederholen ? p.Wiederholen : c.weiter ? p.Weiter : p.Ende);
        });
        for (int word = 1; word <= 10; ++word) {
            if (word <= c.wrongWords) {
                click(otherThan(f.Anzeige->text()));
                clock->advance(3000);
            }
            const QString last = f.Anzeige->text();
            click(pictureOf(last));
            clock->advance(2999);
            EXPECT_EQ(f.Anzeige->text(), last);
            EXPECT_FALSE(shown);
            clock->advance(1);
        }
        const bool ended = c.ende && !c.weiter && !c.wiederholen;
        EXPECT_EQ(shown, c.option6 == -1 || c.line.endsWith('A'));
        testing_support::clearWhenShown();
        EXPECT_EQ(platform::programEnded(), ended);
        if (ended)
            continue;
        EXPECT_EQ(state.TasksDone, 0);
        EXPECT_EQ(state.WrongFirst, 0);
        EXPECT_EQ(f.set.position(), 1);
        EXPECT_EQ(f.Anzeige->text(), f.set.word(1));
        EXPECT_TRUE(f.isVisible());
    }
}

TEST_F(ReadingTest, AssignmentRefusesTheCloseBoxAndEndsThroughTheMenu)
{
    Form1& f = start("Q05A");
    EXPECT_TRUE(f.Ende->isHidden());
    EXPECT_TRUE(f.M_Ende->isVisible());
    EXPECT_FALSE(f.close());
    EXPECT_TRUE(f.loaded());
    readWord();
    click(otherThan(f.Anzeige->text()));
    clock->advance(3000);
    readWord();
    f.M_Ende->trigger();
    EXPECT_TRUE(platform::programEnded());
    EXPECT_FALSE(f.loaded());
    EXPECT_EQ(platform::readTextFile(dataDir() + "/Protokoll.txt").lines,
              (QStringList{"Programm QL Lesolum; Protokoll erstellt am 10.12.2026 09:30:09.",
                           "Das Programm wurde vorzeitig abgebrochen.",
                           "Es wurden nur 2 Aufgabe(n) abgearbeitet. Davon wurden",
                           "1 Aufgabe(n) auf Anhieb richtig und",
                           "1 Aufgabe(n) beim ersten Mal falsch gelöst.", "",
                           "termination by supervisor"}));
    EXPECT_TRUE(processes->started.empty());
}

TEST_F(ReadingTest, HardWordsFillThreeSetsWithWords71To100)
{
    Form1& f = start("Q", Hard);
    EXPECT_TRUE(f.WSchwer->isChecked());
    QStringList seen;
    for (int set = 0; set < 3; ++set) {
        QStringList setTags = tags();
        setTags.removeDuplicates();
        EXPECT_EQ(setTags.size(), 10);
        for (int word = 0; word < 10; ++word) {
            seen << f.Anzeige->text();
            readWord();
        }
    }
    seen.sort();
    QStringList hard{"Schirm", "Garten", "Schaukel", "Zitrone", "Ameise", "Roboter", "Rakete", "Flasche",
                     "Ranzen", "Fenster", "Elefant", "Telefon", "Wurst", "Pinsel", "Banane", "Krokodil",
                     "Trompete", "Tomate", "Schwein", "Schraube", "Kirsche", "Kasper", "Kalender",
                     "Papagei", "Kirche", "Buch", "Feuer", "Apfel", "Schaufel", "Taucher"};
    hard.sort();
    EXPECT_EQ(seen, hard);
}

TEST_F(ReadingTest, CapitalsShowWordAndTagsWhileThePicturesKeepTheirFiles)
{
    options.Buchstaben = -1;
    writeOptions(options);
    for (const char* name : {"Lupe", "Foto", "Maler", "Bus", "Esel", "Opa", "Oma", "Schal"})
        copyFromSuite(QString(name) + ".bmp");
    writeBytes(programDir() + "/Mama.bmp", "not a picture");
    scriptSet(kFirstTen, 100, kOrder);
    Form1& f = start("Q");
    EXPECT_EQ(f.Anzeige->text(), "LUPE");
    EXPECT_EQ(tags(), (QStringList{"BUS", "MAMA", "LUPE", "OMA", "OFEN", "FOTO", "ESEL", "MALER", "SCHAL",
                                   "OPA"}));
    // Mama.bmp cannot be read and Ofen.bmp is missing: empty buttons that still hold their word.
    for (const QString& word : kLaidOut)
        EXPECT_EQ(pictureOf(word.toUpper())->icon().isNull(), word == "Mama" || word == "Ofen")
            << word.toStdString();
    for (int word = 0; word < 10; ++word)
        readWord();
    EXPECT_TRUE(messages->shown.empty());
    EXPECT_EQ(f.set.position(), 1);
}

TEST_F(ReadingTest, OwnPictureNamesTurnIntoCapitals)
{
    options.optEigeneBilder = 1;
    options.Buchstaben = -1;
    writeOptions(options);
    QStringList names{"Gießkanne"};
    for (int i = 0; i < 9; ++i)
        names << QString("Bild%1").arg(i);
    writePictures(names);
    start("Q", Own);
    QPushButton* can = pictureOf("GIEßKANNE");
    ASSERT_TRUE(can);
    EXPECT_FALSE(can->icon().isNull());
}

TEST_F(ReadingTest, OwnPicturesNeedTenAndGoThroughWholePages)
{
    options.optEigeneBilder = 1;
    writeOptions(options);
    QStringList names;
    for (int i = 0; i < 25; ++i)
        names << QString("Bild%1").arg(QChar('a' + i));
    names.removeLast();
    writePictures(names.mid(0, 9));
    bool fourButtons = false;
    onLevelDialog = [&](SStufe& dialog) {
        fourButtons = !dialog.Stufe[3]->isHidden() && dialog.Stufe[3]->text() == "Wörter mit eigenen Bildern";
    };
    Form1& f = start("Q", Own);
    EXPECT_TRUE(fourButtons);
    EXPECT_EQ(messages->texts(), QStringList{"Es gibt zu wenige eigene Bilder! Ich verwende meine Bilder."});
    EXPECT_EQ(f.set.level(), ReadingSet::Level::All);
    EXPECT_TRUE(f.WAlle->isChecked());
    EXPECT_FALSE(f.WEigene->isChecked());

    writePictures(names.mid(9) << "Bildy");
    f.WEigene->trigger();
    EXPECT_EQ(f.set.level(), ReadingSet::Level::Own);
    EXPECT_TRUE(f.WEigene->isChecked());
    QStringList seen;
    for (int set = 0; set < 2; ++set) {
        seen << tags();
        for (int word = 0; word < 10; ++word)
            readWord();
    }
    seen.removeDuplicates();
    EXPECT_EQ(seen.size(), 20);
    EXPECT_EQ(messages->shown.size(), 1u);
}

TEST_F(ReadingTest, TeachersWeiterDropsTheWordUnloggedAndUncounted)
{
    scriptSet(kFirstTen, 100, kOrder);
    scriptSet({11, 12, 13, 14, 15, 16, 17, 18, 19, 20}, 100, kFirstTen, kFirstTen);
    Form1& f = startForAnna();
    readWord();
    EXPECT_EQ(state.TasksDone, 1);
    QTest::keyClick(&f, Qt::Key_F6);
    ASSERT_TRUE(f.WFehler->isVisible());
    EXPECT_EQ(f.WFehler->text(), "Weiter");
    f.WFehler->trigger();
    EXPECT_EQ(f.Anzeige->text(), "Fisch");
    EXPECT_EQ(tags().first(), "Fisch");
    EXPECT_EQ(state.TasksDone, 0);
    EXPECT_EQ(state.WrongFirst, 0);
    stop();
    const QStringList log = platform::readTextFile(annasLog()).lines;
    EXPECT_EQ(log.mid(6), QStringList{"Die Aufgabe \"Lupe\" wurde beim ersten Versuch richtig gelöst."});
}

// The teacher's "Weiter" or a level chosen during the pause after a click: the new set shows at
// once, but the pause runs on and only the clicked place stays enabled, taking no answer.
TEST_F(ReadingTest, ANewSetDuringThePauseLeavesThePauseRunning)
{
    const QStringList next{"Fisch", "Tisch", "Papa", "Schale", "Mofa", "Schaf", "Maus", "Sofa", "Rose", "Baum"};
    struct Case {
        const char* name;
        int pool;
        std::vector<int> taken;
        QAction* Form1::*item;
    };
    const Case cases[] = {{"Weiter", 100, kFirstTen, &Form1::WFehler}, {"Leichte Wörter", 70, {}, &Form1::WLeicht}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        scriptSet(kFirstTen, 100, kOrder);
        scriptSet({11, 12, 13, 14, 15, 16, 17, 18, 19, 20}, c.pool, kFirstTen, c.taken);
        Form1& f = start("Q");
        click(pictureOf("Bus"));
        clock->advance(1000);
        (f.*c.item)->trigger();
        EXPECT_EQ(f.Anzeige->text(), "Fisch");
        EXPECT_EQ(tags(), next);
        EXPECT_TRUE(f.Falsch->isHidden());
        EXPECT_EQ(enabledPictures(f), QStringList{"Fisch"});
        click(pictureOf("Fisch"));
        EXPECT_TRUE(f.Richtig->isHidden());
        EXPECT_EQ(state.TasksDone, 0);
        clock->advance(1999);
        EXPECT_EQ(enabledPictures(f), QStringList{"Fisch"});
        clock->advance(1);
        EXPECT_EQ(enabledPictures(f), next);
        EXPECT_EQ(f.Anzeige->text(), "Fisch");
        click(pictureOf("Fisch"));
        EXPECT_FALSE(f.Richtig->isHidden());
        EXPECT_EQ(state.TasksDone, 1);
    }
}

TEST_F(ReadingTest, TeacherMenuLevelsHelpAndF6)
{
    options.optEigeneBilder = 1;
    writeOptions(options);
    QStringList captions;
    int height = 0;
    onLevelDialog = [&](SStufe& dialog) {
        for (QPushButton* button : dialog.Stufe)
            captions << button->text();
        height = dialog.scaleHeightTwips();
    };
    Form1& f = start("Q", Easy);
    EXPECT_EQ(captions, (QStringList{"leichte Wörter", "schwerere Wörter", "alle Wörter",
                                     "Wörter mit eigenen Bildern"}));
    // The own-pictures button makes the dialog one button row higher.
    EXPECT_EQ(height, 3765 + 840);
    EXPECT_EQ(f.set.level(), ReadingSet::Level::Easy);
    EXPECT_EQ(f.scaleWidthTwips(), 9375);
    EXPECT_EQ(f.scaleHeightTwips(), 5940);
    const int closedHeight = f.heightTwips();

    QTest::keyClick(f.Bild[3], Qt::Key_F6);
    EXPECT_TRUE(platform::Form::menuVisible(f.dasmenu));
    EXPECT_EQ(f.heightTwips(), closedHeight + 270);
    QStringList items;
    for (QAction* a : f.dasmenu->actions())
        if (a->isVisible())
            items << (a->isSeparator() ? "-" : a->text() + (a->isChecked() ? " *" : ""));
    EXPECT_EQ(items, (QStringList{"&Hilfe", "-", "&Leichte Wörter *", "&Schwere Wörter", "&Alle Wörter",
                                  "Wörter mit eigenen &Bildern"}));
    f.WSchwer->trigger();
    EXPECT_TRUE(f.WSchwer->isChecked());
    EXPECT_FALSE(f.WLeicht->isChecked());
    EXPECT_EQ(f.set.level(), ReadingSet::Level::Hard);
    f.Hilfe->trigger();
    ASSERT_EQ(help->opened.size(), 1u);
    EXPECT_EQ(help->opened[0].first, programDir() + "/Ratgebix.chm");
    EXPECT_EQ(help->opened[0].second, 6);
    QTest::keyClick(&f, Qt::Key_F6);
    EXPECT_FALSE(f.menuBarVisible());
    EXPECT_EQ(f.heightTwips(), closedHeight);
}

} // namespace

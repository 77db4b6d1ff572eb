// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/typewriter/typewriter_fixture.h"

#include "framework/Protokoll.h"

#include "platform/files.h"
#include "platform/forms/end.h"

#include <QDir>
#include <QImage>

using typewriter::Form1;
using typewriter::TypewriterLevel;
using typewriter::TypewriterWords;

namespace {

QStringList logLines(const QString& path)
{
    return platform::readTextFile(path).lines;
}

// The draw of word n of level "all".
double drawOf(int n)
{
    return (n - 0.5) / TypewriterWords::kAll;
}

TEST_F(TypewriterTest, LoggedRunWritesHeaderAndFirstResults)
{
    options.ProtSave = 1;
    writeOptions(options);
    const QString logs = appDataDir() + "/logs";
    QDir().mkpath(logs);
    clock->randoms = {drawOf(26), drawOf(44), drawOf(58)};
    Form1& f = start(QString("Q /p=\"%1\" /n=\"Anna\"").arg(logs));
    ASSERT_TRUE(f.isVisible());
    EXPECT_EQ(state.PupilName, "Anna");

    ASSERT_EQ(f.typing.Wortname, "Hund");
    typeWord("Hund");
    EXPECT_FALSE(f.Richtig->isHidden());
    click(f.Neues);

    ASSERT_EQ(f.typing.Wortname, "Maus");
    pressKey(keyFor("M"));
    pressKey(keyFor("sch"));
    EXPECT_FALSE(f.Falsch->isHidden());
    EXPECT_EQ(f.Schrift->text(), "Msch");
    pressKey(keyFor("au"));
    EXPECT_EQ(f.Schrift->text(), "Msch");
    click(f.Loeschen);
    EXPECT_EQ(f.Schrift->text(), "M");
    EXPECT_TRUE(f.Falsch->isHidden());
    typeWord("Maus");
    EXPECT_FALSE(f.Richtig->isHidden());
    click(f.Neues);

    ASSERT_EQ(f.typing.Wortname, "Schaf");
    ASSERT_FALSE(f.Command1->isHidden());
    click(f.Command1);
    EXPECT_EQ(f.Schrift->text(), "Sch");
    typeWord("Schaf");
    EXPECT_FALSE(f.Richtig->isHidden());
    clock->advance(3299);
    EXPECT_EQ(f.Schrift->text(), "Schaf");
    clock->advance(1);
    EXPECT_EQ(f.Schrift->text(), "");
    EXPECT_TRUE(f.Richtig->isHidden());
    click(f.Neues);
    EXPECT_EQ(f.typing.Wortname, "Schaf");
    typeWord("Schaf");
    click(f.Ende);
    EXPECT_TRUE(platform::programEnded());

    const QString task = "Die Aufgabe \"%1\" wurde beim ersten Versuch %2 gelöst.";
    EXPECT_EQ(logLines(logs + "/Protokoll_2/Anna.txt"),
              (QStringList{"", QString(82, '-'), "", "Programm Tastomat:",
                           "Protokoll begonnen am 10.12.2026 09:30:00.", "", task.arg("Hund", "richtig"),
                           task.arg("Maus", "falsch"), task.arg("Schaf", "richtig"), "",
                           "Von 3 Aufgaben wurden 2 richtig gelöst."}));
    EXPECT_EQ(processes->commandLines(), QStringList{programDir() + "/startomo.exe /n=\"Anna\""});
    EXPECT_FALSE(QFileInfo::exists(state.TempFile));
}

TEST_F(TypewriterTest, HelpOnTheLastTileCompletesWithoutRichtig)
{
    clock->randoms = {drawOf(1)};
    Form1& f = start("Q");
    ASSERT_EQ(f.typing.Wortname, "Ei");
    click(f.Command1);
    EXPECT_EQ(f.Schrift->text(), "Ei");
    EXPECT_TRUE(f.Richtig->isHidden());
    click(f.Neues);
    EXPECT_EQ(state.TasksDone, 0);
    clock->advance(3300);
    EXPECT_EQ(f.Schrift->text(), "");
    pressKey(keyFor("Ei"));
    EXPECT_FALSE(f.Richtig->isHidden());
    EXPECT_FALSE(clock->timerPending());
}

TEST_F(TypewriterTest, LoggingNeedsBothSwitchesAnExistingFolderAndOption11)
{
    const QString logs = appDataDir() + "/logs";
    QDir().mkpath(logs);
    struct Case {
        int option11;
        QString line;
    };
    const Case cases[] = {{0, QString("Q /p=\"%1\" /n=\"Anna\"").arg(logs)},
                          {1, QString("Q /n=\"Anna\"")},
                          {1, QString("Q /p=\"%1/missing\" /n=\"Anna\"").arg(logs)},
                          {1, QString("Q /p=\"%1\" /n=\"../Anna\"").arg(logs)},
                          {1, QString("Q /p=\"%1\" /n=\"Anna").arg(logs)}};
    for (const Case& c : cases) {
        options.ProtSave = c.option11;
        writeOptions(options);
        start(c.line);
        typeWord();
        stop();
        EXPECT_EQ(state.LoggingOn, 0) << c.line.toStdString();
        EXPECT_EQ(state.PupilName, "") << c.line.toStdString();
        EXPECT_FALSE(QFileInfo::exists(logs + "/Protokoll_2")) << c.line.toStdString();
    }
}

TEST_F(TypewriterTest, TenWordsShowTheBlockResult)
{
    options.Proto = -1;
    writeOptions(options);
    struct Case {
        bool oneWrong;
        bool weiter, ende, wiederholen;
    };
    for (const Case c : {Case{false, true, true, false}, Case{true, false, false, true}}) {
        Form1& f = start("Q");
        bool shown = false;
        for (int word = 1; word <= 10; ++word) {
            if (c.oneWrong && word == 4) {
                pressKey(wrongKey());
                click(f.Loeschen);
            }
            typeWord();
            if (word == 10)
                testing_support::whenShown("Protokoll", [&](platform::Form& dialog) {
                    auto& p = static_cast<Protokoll&>(dialog);
                    shown = true;
                    EXPECT_EQ(p.Richtig->text(), c.oneWrong ? "9" : "10");
                    EXPECT_EQ(p.Weiter->isHidden(), !c.weiter);
                    EXPECT_EQ(p.Ende->isHidden(), !c.ende);
                    EXPECT_EQ(p.Wiederholen->isHidden(), !c.wiederholen);
                    click(c.weiter ? p.Weiter : p.Wiederholen);
                });
            click(f.Neues);
            EXPECT_EQ(state.TasksDone, word == 10 ? 0 : word);
        }
        EXPECT_TRUE(shown);
        EXPECT_EQ(state.WrongFirst, 0);
        EXPECT_FALSE(f.typing.Wortname.isEmpty());
        EXPECT_TRUE(f.isVisible());
    }
}

TEST_F(TypewriterTest, NoBlockResultWithoutOption6)
{
    Form1& f = start("Q");
    bool shown = false;
    testing_support::whenShown("Protokoll", [&](platform::Form& dialog) {
        shown = true;
        click(static_cast<Protokoll&>(dialog).Weiter);
    });
    for (int word = 1; word <= 12; ++word) {
        typeWord();
        click(f.Neues);
    }
    EXPECT_EQ(state.TasksDone, 12);
    EXPECT_FALSE(shown);
}

TEST_F(TypewriterTest, AssignmentRefusesTheCloseBoxAndEndsThroughTheMenu)
{
    Form1& f = start("Q05A");
    EXPECT_TRUE(state.TaskMode);
    EXPECT_EQ(state.AllowedErrors, 5);
    EXPECT_TRUE(f.Ende->isHidden());
    EXPECT_TRUE(f.M_Ende->isVisible());
    EXPECT_TRUE(f.M_Leer->isVisible());
    EXPECT_FALSE(f.close());
    EXPECT_TRUE(f.loaded());
    typeWord();
    click(f.Neues);
    pressKey(wrongKey());
    f.M_Ende->trigger();
    EXPECT_TRUE(platform::programEnded());
    EXPECT_FALSE(f.loaded());
    const QStringList record = logLines(dataDir() + "/Protokoll.txt");
    ASSERT_EQ(record.size(), 7);
    EXPECT_EQ(record[0], "Programm QL Tastomat; Protokoll erstellt am 10.12.2026 09:30:00.");
    EXPECT_EQ(record[2], "Es wurden nur 1 Aufgabe(n) abgearbeitet. Davon wurden");
    EXPECT_EQ(record[6], "termination by supervisor");
    EXPECT_TRUE(processes->started.empty());
}

TEST_F(TypewriterTest, WeiterTrotzFehlerMovesOnInAnAssignmentCountedWrong)
{
    Form1& f = start("Q05A");
    const QString word = f.typing.Wortname;
    click(f.Neues);
    EXPECT_EQ(f.typing.Wortname, word);
    EXPECT_EQ(state.TasksDone, 0);
    f.WFehler->trigger();
    EXPECT_EQ(state.TasksDone, 1);
    EXPECT_EQ(state.WrongFirst, 1);
    EXPECT_TRUE(f.Richtig->isHidden());
}

TEST_F(TypewriterTest, Option7LetsThePupilSkipAWordCountedWrong)
{
    options.FehlerWeiter = -1;
    writeOptions(options);
    start("Q");
    click(form->Neues);
    EXPECT_EQ(state.TasksDone, 1);
    EXPECT_EQ(state.WrongFirst, 1);
}

TEST_F(TypewriterTest, ClosingReturnsToTheLauncherOnlyWhenStartedByIt)
{
    struct Case {
        QString line;
        int aufloesung;
        QStringList started;
    };
    const Case cases[] = {{"Q", 0, {programDir() + "/startomo.exe"}},
                          {"", 0, {}},
                          {"x", 0, {}},
                          {"Q", -1, {}}};
    for (const Case& c : cases) {
        options.Aufloesung = c.aufloesung;
        writeOptions(options);
        processes->started.clear();
        start(c.line);
        EXPECT_TRUE(form->close());
        EXPECT_EQ(processes->commandLines(), c.started) << c.line.toStdString();
    }
}

TEST_F(TypewriterTest, SecondRunKeepsTheHelpModeOfOptions2)
{
    Form1& f = start("Q");
    EXPECT_EQ(readBytes(dataDir() + "/options2.ini"), QByteArray(" 1 \r\n"));
    EXPECT_FALSE(f.Command1->isHidden());
    EXPECT_TRUE(f.SLeicht->isChecked());
    f.SSchwer->trigger();
    EXPECT_TRUE(f.Command1->isHidden());
    EXPECT_EQ(readBytes(dataDir() + "/options2.ini"), QByteArray(" 2 \r\n"));
    Form1& again = start("Q");
    EXPECT_TRUE(again.Command1->isHidden());
    EXPECT_TRUE(again.SSchwer->isChecked());
    EXPECT_EQ(again.Schwer, 2);
}

TEST_F(TypewriterTest, F6ShowsAndHidesTheTeacherMenu)
{
    Form1& f = start("Q");
    EXPECT_FALSE(f.menuBarVisible());
    EXPECT_EQ(f.heightTwips(), 6825);
    QTest::keyClick(f.Worttaste[3], Qt::Key_F6);
    EXPECT_TRUE(platform::Form::menuVisible(f.dasmenu));
    EXPECT_TRUE(f.WFehler->isVisible());
    EXPECT_EQ(f.heightTwips(), 7095);
    QStringList items;
    for (QAction* a : f.dasmenu->actions())
        if (a->isVisible())
            items << (a->isSeparator() ? "-" : a->text());
    EXPECT_EQ(items, (QStringList{"&Hilfe", "-", "&Anlauttabelle drucken", "&Wörter drucken", "-",
                                  "Formilo &mit Hilfen", "Formilo &ohne Hilfen", "-", "&Leichte Wörter",
                                  "&Schwere Wörter", "&Alle Wörter"}));
    QTest::keyClick(&f, Qt::Key_F6);
    EXPECT_FALSE(f.menuBarVisible());
    EXPECT_EQ(f.heightTwips(), 6825);
}

TEST_F(TypewriterTest, BackdropStandsBehindTheWindowUntilItCloses)
{
    options.HGrund = -1;
    options.TVis = -1;
    writeOptions(options);
    Form1& f = start("Q");
    EXPECT_TRUE(platform::formLoaded("Hintergrund"));
    EXPECT_EQ(state.HelpFile, programDir() + "/Ratgebix.chm");
    EXPECT_TRUE(f.close());
    EXPECT_FALSE(platform::formLoaded("Hintergrund"));
}

TEST_F(TypewriterTest, HelpOpensMapId2OfTheTopHelpFile)
{
    options.HGrundStart = -1;
    writeOptions(options);
    Form1& f = start("Q");
    f.Hilfe->trigger();
    ASSERT_EQ(help->opened.size(), 1u);
    EXPECT_EQ(help->opened[0].first, programDir() + "/Ratgebix_Top.chm");
    EXPECT_EQ(help->opened[0].second, 2);
}

TEST_F(TypewriterTest, LevelsDrawFromTheirPartOfTheTable)
{
    const TypewriterWords words;
    QStringList longer;
    for (int n = TypewriterWords::kShort + 1; n <= TypewriterWords::kAll; ++n)
        longer << words.word(n);
    Form1& f = start("Q", Longer);
    EXPECT_EQ(f.WDiff, TypewriterLevel::Longer);
    EXPECT_EQ(state.WordCount, 21);
    EXPECT_TRUE(f.WSchwer->isChecked());
    QStringList seen;
    for (int i = 0; i < 21; ++i) {
        EXPECT_TRUE(longer.contains(f.typing.Wortname)) << f.typing.Wortname.toStdString();
        seen << f.typing.Wortname;
        typeWord();
        click(f.Neues);
    }
    seen.removeDuplicates();
    EXPECT_EQ(seen.size(), 21);
    f.WLeicht->trigger();
    EXPECT_EQ(state.WordCount, 73);
    EXPECT_FALSE(longer.contains(f.typing.Wortname));
}

TEST_F(TypewriterTest, CapitalsModeShowsAndTypesUpperCase)
{
    options.Buchstaben = -1;
    writeOptions(options);
    Form1& f = start("Q");
    EXPECT_EQ(f.Worttaste[0]->text(), "A");
    EXPECT_EQ(f.Worttaste[22]->text(), "SCH");
    EXPECT_EQ(f.typing.Wortname, f.typing.Wortname.toUpper());
    typeWord();
    EXPECT_FALSE(f.Richtig->isHidden());
    EXPECT_EQ(f.Schrift->text(), f.typing.Wortname);
}

// "Buch" cuts into "Ch", which no key types: the pupil would be stuck at it.
TEST_F(TypewriterTest, OwnPicturesLevelUsesEigeneBilderLeavingOutWordsNoKeyTypes)
{
    options.optEigeneBilder = 1;
    writeOptions(options);
    for (const char* name : {"Buch", "Hund", "Maus", "SCHAF"})
        writePicture(programDir() + "/EigeneBilder/Tastomat/" + name + ".bmp");
    bool fourButtons = false;
    onLevelDialog = [&](SStufe& dialog) { fourButtons = !dialog.Stufe[3]->isHidden(); };
    Form1& f = start("Q", Own);
    EXPECT_TRUE(fourButtons);
    EXPECT_TRUE(f.WEigene->isVisible());
    EXPECT_TRUE(f.WEigene->isChecked());
    EXPECT_EQ(f.WDiff, TypewriterLevel::OwnPictures);
    EXPECT_EQ(state.WordCount, 3);
    QStringList seen;
    for (int i = 0; i < 6; ++i) {
        seen << f.typing.Wortname;
        EXPECT_EQ(QFileInfo(f.DateiName).absolutePath(), programDir() + "/EigeneBilder/Tastomat");
        typeWord();
        EXPECT_FALSE(f.Richtig->isHidden()) << f.typing.Wortname.toStdString();
        click(f.Neues);
    }
    seen.sort();
    EXPECT_EQ(seen, (QStringList{"Hund", "Hund", "Maus", "Maus", "Schaf", "Schaf"}));
}

TEST_F(TypewriterTest, NoOwnPicturesFallsBackToAllWords)
{
    options.optEigeneBilder = 1;
    writeOptions(options);
    for (const bool untypeableOnly : {false, true}) {
        if (untypeableOnly)
            writePicture(programDir() + "/EigeneBilder/Tastomat/Buch.bmp");
        messages->shown.clear();
        Form1& f = start("Q", Own);
        EXPECT_EQ(messages->texts(),
                  QStringList{"Es gibt keine eigenen Bilder! Ich verwende meine Bilder."});
        EXPECT_EQ(f.WDiff, TypewriterLevel::All);
        EXPECT_EQ(state.WordCount, 94);
    }
}

TEST_F(TypewriterTest, OwnKeyPicturesHideKeysAndAvoidTheirWords)
{
    options.Opt_AnlautTastomat = 1;
    writeOptions(options);
    for (const QString& sound : kSounds)
        if (sound != "Sch")
            writePicture(programDir() + "/Anlaut/Tastomat/" + sound + ".bmp");
    Form1& f = start("Q");
    EXPECT_TRUE(f.Worttaste[22]->isHidden());
    EXPECT_FALSE(f.Worttaste[0]->isHidden());
    EXPECT_EQ(f.RestrictedKeys[22], "sch");
    EXPECT_EQ(f.RestrictedKeys[0], "-");
    for (int i = 0; i < 40; ++i) {
        EXPECT_FALSE(f.typing.Wortname.contains("sch", Qt::CaseInsensitive))
            << f.typing.Wortname.toStdString();
        typeWord();
        click(f.Neues);
    }
    EXPECT_TRUE(messages->shown.empty());
}

} // namespace

// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/launcher/launcher_fixture.h"

#include "launcher/Launcher.h"
#include "launcher/PictureButton.h"
#include "launcher/Man_Namen.h"

#include "platform/forms/end.h"
#include "platform/forms/twips.h"
#include "platform/single_instance.h"

#include <QTest>

using testing_support::whenShown;
using launcher::Form1;
using launcher::Man_Namen;
using launcher::PictureButton;

namespace {

const QString kSecondLine = "\r\nWähle ein Programm aus:";

QPushButton* button(Form1& f, const char* name)
{
    return testing_support::control<QPushButton>(f, name);
}

} // namespace

// The launcher's message for a program file that is not there, as the teacher reads it.
const char* const kProgramMissingText =
    "Die Programmdatei wurde nicht gefunden. Sie muss im gleichen Verzeichnis wie dieses Programm "
    "sein. Starten Sie das Programm von Hand, oder versuchen Sie es nochmal nach einer Neuinstallation!";

TEST_F(LauncherTest, APupilNameFromTheCommandLineIsGreetedWithoutAsking)
{
    setCentralOptions({.ProtSave = 1});
    Form1& f = start("/n=\"Max Mueller\"");
    EXPECT_EQ(f.Hilfe->text(), "Hallo Max Mueller!" + kSecondLine);
    EXPECT_TRUE(f.CB_Name->isVisible());
    EXPECT_TRUE(QFileInfo::exists(logFolder() + "/Max Mueller.txt"));
    EXPECT_EQ(nameList(), QStringList({"Anna", "Ben"}));   // not added here
    EXPECT_TRUE(messages->shown.empty());
    EXPECT_TRUE(f.isVisible());
}

TEST_F(LauncherTest, ThePupilsLogIsFoundWhateverCaseItWasCreatedIn)
{
    setCentralOptions({.ProtSave = 1});
    writeFile(logFolder() + "/MAX.txt", {"alt"});
    writeFile(logFolder() + "/Namen.ini", {"MAX"});
    start("/n=\"max\"");
    EXPECT_EQ(QDir(logFolder()).entryList({"*.txt"}), QStringList({"MAX.txt"}));
}

TEST_F(LauncherTest, WithoutAUsableNameTheNameDialogAsksBeforeTheWindowShows)
{
    setCentralOptions({.ProtSave = 1});
    for (const QString& line : {QString(), QString("/n=\"Max"), QString("/n=\"J\u00f6rg\""), QString("/N=\"Max\"")}) {
        bool launcherVisible = true;
        whenShown("Man_Namen", [&](platform::Form& d) {
            launcherVisible = launcher->isVisible();
            auto& names = static_cast<Man_Namen&>(d);
            QTest::keyClicks(names.Text1, "Lea");
            QTest::mouseClick(names.OK, Qt::LeftButton);
        });
        Form1& f = start(line);
        EXPECT_FALSE(launcherVisible) << line.toStdString();
        EXPECT_EQ(f.Hilfe->text(), "Hallo Lea!" + kSecondLine) << line.toStdString();
        EXPECT_EQ(state.PupilName, "Lea");
    }
    EXPECT_EQ(nameList(), QStringList({"Anna", "Ben", "Lea"}));
    EXPECT_TRUE(QFileInfo::exists(logFolder() + "/Lea.txt"));
}

TEST_F(LauncherTest, WithoutLoggingUnderNamesNoNameIsAskedOrRead)
{
    Form1& f = start("/n=\"Max\"");
    EXPECT_EQ(f.Hilfe->text(), "Hallo!" + kSecondLine);
    EXPECT_FALSE(f.CB_Name->isVisible());
    EXPECT_TRUE(state.PupilName.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(logFolder()));
}

TEST_F(LauncherTest, TheNameButtonAsksAgainAndUnknownIsGreetedAsNoName)
{
    setCentralOptions({.ProtSave = 1});
    Form1& f = start("/n=\"Max\"");
    whenShown("Man_Namen", [](platform::Form& d) { QTest::mouseClick(static_cast<Man_Namen&>(d).OK, Qt::LeftButton); });
    QTest::mouseClick(f.CB_Name, Qt::LeftButton);
    EXPECT_EQ(state.PupilName, "unbekannt");
    EXPECT_EQ(f.Hilfe->text(), "Hallo!" + kSecondLine);
}

TEST_F(LauncherTest, TheNineButtonsStartTheirExercisesWithNameAndLogFolder)
{
    setCentralOptions({.HGrund = -1, .TVis = 0, .Aufloesung = -1, .ProtSave = 1});
    for (const char* picture : {"plattix", "tastomat", "Kritzlon", "baudrom", "baudromsilben", "lesolum", "rateflor",
                                "Fugolin", "bogenblick"})
        copyFromSuite(QStringLiteral("design/launcher/%1.png").arg(picture));
    Form1& f = start("/n=\"Max\"");
    const QStringList captions{"Plattix", "Tastomat", "Kritzlon", "Baudrom: Buchstaben", "Baudrom: Silben",
                               "Lesolum", "Rateflor", "Fugolin", "Bogenblick"};
    const QStringList programs{"plattix.exe", "tastomat.exe", "Kritzlon.exe", "baudrom.exe", "baudromsilben.exe",
                               "lesolum.exe", "rateflor.exe", "Fugolin.exe", "bogenblick.exe"};
    QStringList expected;
    for (int i = 0; i < 9; ++i) {
        PictureButton* b = f.exerciseButtons[i];
        EXPECT_EQ(b->text(), captions[i]);
        EXPECT_TRUE(b->hasPicture()) << b->objectName().toStdString();
        QTest::mouseClick(b, Qt::LeftButton);
        expected.append(programs[i] + " Q /p=\"" + dataDir() + "\" /n=\"Max\"");
    }
    EXPECT_EQ(processes->commandLines(), expected);
    // Full-screen mode keeps the launcher open, in the 640 x 480 mode without taskbar.
    EXPECT_FALSE(platform::programEnded());
    EXPECT_FALSE(processes->steppedAside);
    EXPECT_TRUE(f.isVisible());
    EXPECT_TRUE(display->low);
    EXPECT_FALSE(display->taskbar);
}

TEST_F(LauncherTest, AStartedExerciseEndsTheLauncherAndRestoresTheTaskbar)
{
    setCentralOptions({.HGrund = -1, .TVis = 0});
    Form1& f = start();
    EXPECT_FALSE(display->taskbar);
    EXPECT_EQ(button(f, "Command2")->text(), "Tastomat");
    QTest::mouseClick(button(f, "Command2"), Qt::LeftButton);
    EXPECT_EQ(processes->commandLines(), QStringList({"tastomat.exe Q"}));
    EXPECT_TRUE(processes->steppedAside);
    EXPECT_TRUE(platform::programEnded());
    EXPECT_FALSE(f.loaded());
    EXPECT_TRUE(display->taskbar);
    EXPECT_FALSE(display->low);
}

TEST_F(LauncherTest, AMissingExerciseIsReportedOnEveryClickAndTheLauncherStays)
{
    processes->missing = {"Fugolin.exe"};
    Form1& f = start();
    QTest::mouseClick(button(f, "Command6"), Qt::LeftButton);
    QTest::mouseClick(button(f, "Command6"), Qt::LeftButton);
    EXPECT_EQ(messages->texts(), QStringList(2, QString::fromUtf8(kProgramMissingText)));
    EXPECT_FALSE(processes->steppedAside);
    EXPECT_FALSE(platform::programEnded());
    EXPECT_TRUE(f.loaded());
}

TEST_F(LauncherTest, TheLauncherRefusesToRunBesideTheTaskManager)
{
    processes->running = {"Pensumo.exe"};
    Form1& f = start();
    EXPECT_EQ(messages->texts(),
              QStringList({"Während der Pensumo läuft, kann der Startomo nicht gestartet werden! Außerdem sollten "
                           "währenddessen keine weiteren QL Lernprogramme von Hand gestartet werden, da dies die "
                           "Funktion des Pensumos stört!"}));
    EXPECT_TRUE(platform::programEnded());
    EXPECT_FALSE(f.loaded());
    EXPECT_FALSE(QFileInfo::exists(appDataDir() + "/DA Ravezure"));
}

TEST_F(LauncherTest, ASecondCopyEndsAndCallsTheFirstToTheFront)
{
    platform::SingleInstance first("startomo");
    ASSERT_FALSE(first.anotherRunning());
    bool activated = false;
    first.setActivationHandler([&] { activated = true; });
    Form1& f = start();
    EXPECT_TRUE(platform::programEnded());
    EXPECT_EQ(f.caption(), "-<[Zweite Instanz]>-");
    EXPECT_TRUE(QTest::qWaitFor([&] { return activated; }, 10000));
}

TEST_F(LauncherTest, F6ShowsAndHidesTheTeacherMenuKeepingTheClientArea)
{
    Form1& f = start();
    EXPECT_EQ(f.caption(), "QL Tavoro ;   <F6> für Lehrermenü");
    const int height = f.heightTwips();
    const int client = f.scaleHeightTwips();
    EXPECT_FALSE(f.menuBarVisible());
    QTest::keyClick(f.exerciseButtons[4], Qt::Key_F6);
    EXPECT_TRUE(f.menuBarVisible());
    EXPECT_EQ(f.heightTwips(), height + 270);
    EXPECT_EQ(f.scaleHeightTwips(), client);
    QTest::keyClick(&f, Qt::Key_F6);
    EXPECT_FALSE(f.menuBarVisible());
    EXPECT_EQ(f.heightTwips(), height);
}

TEST_F(LauncherTest, TheTeacherMenuOpensHelpInfoAndTheListEditor)
{
    Form1& f = start();
    QStringList captions;
    for (QAction* a : f.dasmenu->actions())
        captions.append(a->isSeparator() ? "-" : a->text());
    EXPECT_EQ(captions, QStringList({"Hilfe zum Programmpaket", "-", "Infos über die Programme", "-", "Protokolle",
                                     "-", "Eigene Wörterlisten für \"Bogenblick\"", "und \"Fugolin\" erstellen", "-",
                                     "Optionen"}));
    f.M_Hilfe_Paket->trigger();
    ASSERT_EQ(help->opened.size(), 1u);
    EXPECT_EQ(help->opened[0], std::make_pair(programDir() + "/Ratgebix.chm", 99));
    f.M_Info->trigger();
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_TRUE(messages->shown[0].title.startsWith("Info über "));
    f.WErstellen[1]->trigger();
    EXPECT_EQ(processes->commandLines(), QStringList({programDir() + "/Kartello.exe"}));
    processes->missing = {"Kartello.exe"};
    f.WErstellen[0]->trigger();
    EXPECT_EQ(messages->texts().last(), QString::fromUtf8(kProgramMissingText));
}

TEST_F(LauncherTest, TheTeacherMenuOpensTheLogViewerAndTheNameList)
{
    setCentralOptions({.ProtSave = 1});
    Form1& f = start("/n=\"Max\"");
    QStringList shown;
    for (const char* name : {"Man_Protokolle", "Man_NamenAnzeigen"})
        whenShown(name, [&](platform::Form& d) { shown.append(d.name()); d.unload(); });
    f.M_ProtokolleAnzeigen->trigger();
    f.M_Namen->trigger();
    EXPECT_EQ(shown, QStringList({"Man_Protokolle", "Man_NamenAnzeigen"}));
    EXPECT_TRUE(f.isVisible());
}

TEST_F(LauncherTest, OnlyTheProgramsOwnButtonsCloseTheWindow)
{
    Form1& f = start();
    EXPECT_FALSE(f.close());
    EXPECT_TRUE(f.loaded());
    QTest::mouseClick(f.Command8, Qt::LeftButton);
    EXPECT_FALSE(f.loaded());
    EXPECT_TRUE(platform::programEnded());
}

TEST_F(LauncherTest, TheBackdropWithoutTaskbarChoosesTheTopHelpFile)
{
    setCentralOptions({.HGrund = -1, .TVis = 0});
    start();
    EXPECT_EQ(state.HelpFile, programDir() + "/Ratgebix_Top.chm");
    EXPECT_FALSE(display->taskbar);
    EXPECT_FALSE(launcher->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
}

TEST_F(LauncherTest, WithoutBackdropTheWindowHasAMinimiseBox)
{
    start();
    EXPECT_EQ(state.HelpFile, programDir() + "/Ratgebix.chm");
    EXPECT_TRUE(display->taskbar);
    EXPECT_TRUE(launcher->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
}

// The window is made before its Form_Load reads "Vollbild"; on a 1920 x 1080 screen the switch
// scales the layout 1080 / 480 = 2.25 times, and the window made at the normal size follows.
TEST_F(LauncherTest, TheFullScreenLayoutScalesTheWindowBuiltBeforeTheSwitch)
{
    display->screenRect = QRect(0, 0, 1920, 1080);
    Form1 f(state);
    const QRect before = f.exerciseButtons[8]->geometry();
    const double font = f.Hilfe->font().pointSizeF();
    setCentralOptions({.HGrund = -1, .Aufloesung = -1});
    f.show();
    EXPECT_EQ(f.exerciseButtons[8]->geometry(), QRect(before.topLeft() * 2.25, before.size() * 2.25));
    EXPECT_EQ(f.Hilfe->geometry().width(), qRound(8415 * 2.25 / 15));
    EXPECT_DOUBLE_EQ(f.Hilfe->font().pointSizeF(), font * 2.25);
}

// A crash in the middle of a rewrite (kill -9, power cut) left the temporary files of the
// launcher's files beside them: its next start removes them and leaves the files themselves,
// and a teacher's own file whose name only looks like one.
TEST_F(LauncherTest, AStartRemovesWhatRewritesCutShortLeftBesideItsFiles)
{
    writeFile(programDir() + "/Listen/Tiere.txt", {"Hund"});
    QStringList leftovers;
    for (const QString file : {"/options4.ini", "/options4.bak", "/Protokoll_2/Namen.ini"}) {
        writeFile(dataDir() + file, {" 0 "});
        leftovers << writeSaveLeftover(dataDir() + file);
    }
    // A received list is copied through a hidden temporary file.
    for (const QString folder : {"/Listen/", "/Listen/Server/"}) {
        writeFile(dataDir() + folder + "Tiere.txt", {"Katze"});
        leftovers << writeSaveLeftover(dataDir() + folder + ".Tiere.txt");
    }
    const QString own = dataDir() + "/Listen/Tiere.txt.backup";
    writeBytes(own, "Maus\r\n");
    QFile ownFile(own);
    ASSERT_TRUE(ownFile.open(QIODevice::ReadWrite)
                && ownFile.setFileTime(QDateTime::currentDateTime().addDays(-1), QFileDevice::FileModificationTime));
    start();
    // The lists' leftovers go with the lists, which arrive beside the window.
    for (const QString& leftover : leftovers)
        EXPECT_TRUE(QTest::qWaitFor([&] { return !QFileInfo::exists(leftover); })) << leftover.toStdString();
    EXPECT_TRUE(QFileInfo::exists(logFolder() + "/Namen.ini"));
    EXPECT_EQ(readBytes(own), "Maus\r\n");
    EXPECT_TRUE(messages->shown.empty()) << messages->texts().join('|').toStdString();
}

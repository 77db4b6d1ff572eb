// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/taskmanager/taskmanager_fixture.h"

#include "platform/files.h"
#include "platform/forms/end.h"

#include <QDir>
#include <QFileInfo>

using taskmanager::ManagerSettings;
using taskmanager::SetIndices;

namespace {

// Package "TV": list index 2 is tastomat, 6 lesolum, 7 rateflor, 8 Fugolin, 1 plattix.
ManagerSettings oneSet(const SetIndices& indices, int allowedErrors, int logging = 0)
{
    ManagerSettings s;
    s.activeSet = 2;
    s.sets[1] = {QStringLiteral("Wörter"), indices};
    s.allowedErrors = allowedErrors;
    s.logging = logging;
    return s;
}

} // namespace

TEST_F(TaskManagerTest, RunStartsEachProgramInAssignmentModeAndWaits)
{
    writeManager(oneSet({2, 7, 0, 0, 0}, 3));
    start();
    bool disabledWhileRunning = true;
    processes->onRun = [&](const QString&) { disabledWhileRunning = disabledWhileRunning && !form->isEnabled(); };
    click("Command1");
    EXPECT_EQ(processes->commandLines(), QStringList({"tastomat.exe Q03A", "rateflor.exe Q03A"}));
    for (const auto& started : processes->started) {
        EXPECT_TRUE(started.waited);
        EXPECT_EQ(started.currentFolder, programDir());
    }
    EXPECT_TRUE(disabledWhileRunning);
    EXPECT_TRUE(form->isEnabled());
    EXPECT_FALSE(QFileInfo::exists(resultsFile()));
    EXPECT_TRUE(messages->shown.empty());
}

TEST_F(TaskManagerTest, NoRepetitionAndAnOnlyFinalProgram)
{
    writeManager(oneSet({0, 0, 0, 0, 6}, -1));
    start();
    click("Command1");
    EXPECT_EQ(processes->commandLines(), QStringList({"lesolum.exe Q99A"}));
}

TEST_F(TaskManagerTest, AbortSkipsTheRestAndTheTaskLogGetsTheRecords)
{
    writeManager(oneSet({2, 7, 8, 1, 6}, 3, -1));
    state.PupilName = "Max";
    whenRunning("tastomat.exe", resultsFile(), blockRecord("QL Tastomat"));
    whenRunning("rateflor.exe", resultsFile(), blockRecord("QL Rateflor") + abortRecord("QL Rateflor"));
    start();
    click("Command1");
    EXPECT_EQ(processes->commandLines(), QStringList({"tastomat.exe Q03A", "rateflor.exe Q03A"}));
    QStringList expected = blockRecord("QL Tastomat") + blockRecord("QL Rateflor") + abortRecord("QL Rateflor");
    expected.removeLast();
    EXPECT_EQ(platform::readTextFile(packageDir() + "/Protokoll/Max.txt").lines, expected);
    EXPECT_FALSE(QFileInfo::exists(resultsFile()));

    // The next run starts afresh: the old abort record is gone and the log only grows.
    processes->started.clear();
    click("Command1");
    EXPECT_EQ(processes->started.size(), 2u);
    EXPECT_EQ(platform::readTextFile(packageDir() + "/Protokoll/Max.txt").lines, expected + expected);
}

TEST_F(TaskManagerTest, LoggingOffWritesNoTaskLogAndStillDeletesTheResults)
{
    writeManager(oneSet({2, 0, 0, 0, 0}, 3, 0));
    state.PupilName = "Max";
    whenRunning("tastomat.exe", resultsFile(), blockRecord("QL Tastomat"));
    start();
    click("Command1");
    EXPECT_EQ(processes->started.size(), 1u);
    EXPECT_FALSE(QFileInfo::exists(resultsFile()));
    EXPECT_EQ(QDir(packageDir() + "/Protokoll").entryList({"*.txt"}, QDir::Files), QStringList());
}

TEST_F(TaskManagerTest, StaleResultsFromAnEarlierRunAreEmptiedFirst)
{
    writeManager(oneSet({2, 7, 0, 0, 0}, 3, -1));
    state.PupilName = "Max";
    writeFile(resultsFile(), abortRecord("QL Fugolin"));
    start();
    click("Command1");
    EXPECT_EQ(processes->started.size(), 2u);
    EXPECT_EQ(platform::readTextFile(packageDir() + "/Protokoll/Max.txt").lines, QStringList());
}

TEST_F(TaskManagerTest, ResultsFileThatCannotBeRewrittenIsDeleted)
{
    writeManager(oneSet({2, 7, 0, 0, 0}, 3));
    writeFile(resultsFile(), abortRecord("QL Fugolin"));
    platform::FileLock lock(resultsFile());
    ASSERT_FALSE(lock.acquire().failed());
    start();
    click("Command1");
    EXPECT_EQ(processes->started.size(), 2u);
    EXPECT_TRUE(messages->shown.empty());
}

TEST_F(TaskManagerTest, ResultsThatCannotBeRemovedStopTheRunBeforeItStarts)
{
    writeManager(oneSet({2, 7, 0, 0, 0}, 3));
    // A folder in the results file's place can be neither emptied nor deleted.
    QDir().mkpath(resultsFile() + "/alt");
    start();
    click("Command1");
    EXPECT_TRUE(processes->started.empty());
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_TRUE(messages->shown[0].text.contains("konnte nicht geleert werden"));
    EXPECT_TRUE(form->isEnabled());
}

TEST_F(TaskManagerTest, ProgramThatCannotStartIsReportedAndTheRunGoesOn)
{
    writeManager(oneSet({2, 7, 0, 0, 6}, 3));
    processes->missing = QStringList{"rateflor.exe"};
    start();
    click("Command1");
    EXPECT_EQ(processes->commandLines(), QStringList({"tastomat.exe Q03A", "lesolum.exe Q03A"}));
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_TRUE(messages->shown[0].text.startsWith("Die Programmdatei wurde nicht gefunden. Sie muss"));
}

TEST_F(TaskManagerTest, ResultsFileRemovedByAnExerciseReadsAsEmpty)
{
    writeManager(oneSet({2, 7, 0, 0, 0}, 3, -1));
    state.PupilName = "Max";
    processes->onRun = [this](const QString&) { QFile::remove(resultsFile()); };
    start();
    click("Command1");
    EXPECT_EQ(processes->started.size(), 2u);
    EXPECT_TRUE(form->isEnabled());
    EXPECT_TRUE(messages->shown.empty());
}

TEST_F(TaskManagerTest, SetMenusShowTheNamesAndTheActiveSet)
{
    ManagerSettings s;
    s.activeSet = 3;
    s.sets[2].name = "Lesen";
    writeManager(s);
    start();
    EXPECT_EQ(menuItem("Nr3")->text(), "Nr. 3: Lesen");
    EXPECT_EQ(menuItem("Nr10")->text(), "Nr. 10: leer");
    for (int i = 1; i <= 10; ++i)
        EXPECT_EQ(menuItem(QString("Nr%1").arg(i))->isChecked(), i == 3) << i;
    EXPECT_EQ(form->caption(), "QL Pensumo");
}

TEST_F(TaskManagerTest, ClickOnASetRewritesOnlyLineTwo)
{
    ManagerSettings s;
    s.sets[4] = {"Rechnen, Lesen", {2, 0, 0, 0, 0}};
    s.sets[0] = {"Silben", {8, 0, 0, 0, 0}};
    writeManager(s);
    start();
    const QByteArray before = readBytes(packageDir() + "/manager.ini");
    menuItem("Nr5")->trigger();
    QByteArray expected = before;
    expected.replace(4, 3, " 5 ");
    EXPECT_EQ(readBytes(packageDir() + "/manager.ini"), expected);
    EXPECT_TRUE(menuItem("Nr5")->isChecked());
    EXPECT_FALSE(menuItem("Nr1")->isChecked());
    EXPECT_EQ(menuItem("Nr5")->text(), "Nr. 5: Rechnen, Lesen");
    click("Command1");
    EXPECT_EQ(processes->commandLines(), QStringList({"tastomat.exe Q99A"}));
}

TEST_F(TaskManagerTest, StartUpCopiesTheDefaultsAndCompletesAShortFile)
{
    start();
    EXPECT_EQ(readBytes(packageDir() + "/manager.ini"), readBytes(programDir() + "/manager.ini"));
    EXPECT_TRUE(QFileInfo::exists(packageDir() + "/Protokoll/Namen.ini"));
    EXPECT_TRUE(QFileInfo::exists(packageDir() + "/options4.bak"));
    form.reset();

    writeFile(packageDir() + "/manager.ini", {"TV", " 4 ", "2 0 0 0 0 "});
    start();
    EXPECT_TRUE(menuItem("Nr4")->isChecked());
    const platform::TextFile file = platform::readTextFile(packageDir() + "/manager.ini");
    ASSERT_EQ(file.lines.size(), 24);
    EXPECT_EQ(file.lines[1], " 4 ");
    EXPECT_EQ(file.lines[23], "-1 ");
    EXPECT_TRUE(messages->shown.empty());
}

TEST_F(TaskManagerTest, MissingManagerFileInTheProgramFolderEndsTheStart)
{
    QFile::remove(programDir() + "/manager.ini");
    start();
    EXPECT_TRUE(platform::programEnded());
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_TRUE(messages->shown[0].text.contains("manager.ini"));
}

TEST_F(TaskManagerTest, FullScreenBackdropAndTaskbarAreUndoneAtTheEnd)
{
    writeOptions(-1, 0, -1);
    // The name list and the task sets are in the data folder before the backdrop shows.
    QStringList presentAtBackdrop;
    platform::setFormShownHook([&](platform::Form& shown) {
        if (shown.objectName() == "Hintergrund")
            for (const char* file : {"/Protokoll/Namen.ini", "/manager.ini"})
                if (QFileInfo::exists(packageDir() + file))
                    presentAtBackdrop << file;
    });
    start();
    EXPECT_EQ(presentAtBackdrop, QStringList({"/Protokoll/Namen.ini", "/manager.ini"}));
    EXPECT_TRUE(display->low);
    EXPECT_FALSE(display->taskbar);
    platform::Form* backdrop = platform::findForm("Hintergrund");
    ASSERT_NE(backdrop, nullptr);
    EXPECT_TRUE(backdrop->isVisible());
    // The whole screen, not only the scaled 640 x 480 layout, and above the panels.
    EXPECT_EQ(backdrop->geometry(), display->screenRect);
    EXPECT_TRUE(backdrop->isFullScreen());
    EXPECT_FALSE(form->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    form->close();   // the user's close is refused
    EXPECT_TRUE(form->loaded());
    click("EndeKnopf");
    EXPECT_TRUE(platform::programEnded());
    EXPECT_FALSE(display->low);
    EXPECT_TRUE(display->taskbar);
    EXPECT_FALSE(platform::formLoaded("Hintergrund"));
}

TEST_F(TaskManagerTest, UnknownPackageUsesTheVendorFolderAndReadsNoOptions)
{
    ManagerSettings s;
    s.Programmpaket = "XY";
    writeManager(s);
    QFile::remove(programDir() + "/options4.ini");
    start();
    EXPECT_EQ(state.PackageDir, appDataDir() + "/DA Ravezure");
    EXPECT_TRUE(QFileInfo::exists(appDataDir() + "/DA Ravezure/manager.ini"));
    EXPECT_TRUE(messages->shown.empty());
    EXPECT_TRUE(form->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
}

TEST_F(TaskManagerTest, BundleHandlesItsThreeResultsFilesInOrder)
{
    ManagerSettings s = oneSet({17, 25, 0, 0, 1}, 2, -1);
    s.Programmpaket = "PL";
    writeManager(s);
    writeFile(programDir() + "/lese/options.ini", {" 0 ", " 0 ", " 0 ", " 0 ", "-1 ", " 0 "});
    state.PupilName = "Max";
    const QString pl = appDataDir() + "/DA Ravezure/Plenaro";
    const QString ornifant = pl + "/Ornifant/Protokoll.txt";
    const QString quorrel = pl + "/Quorrel/Protokoll.txt";
    const QString tavoro = pl + "/Tavoro/Protokoll.txt";
    writeFile(quorrel, {"alt"});
    for (const char* folder : {"Lese", "Wörter", "Mathe"})
        QDir().mkpath(programDir() + "/" + folder);
    whenRunning("rateflor.exe", tavoro, {"T1"});
    whenRunning("quorrel6.exe", quorrel, {"Q1, mit Komma"});
    whenRunning("quorrel6.exe", ornifant, {"O1"});
    start();
    EXPECT_TRUE(QFileInfo::exists(pl + "/Ornifant/options.bak"));
    click("Command1");
    ASSERT_EQ(processes->started.size(), 3u);
    EXPECT_EQ(processes->started[0].commandLine, "rateflor.exe Q02A");
    EXPECT_EQ(processes->started[0].currentFolder, programDir() + "/Wörter");
    EXPECT_EQ(processes->started[1].commandLine, "quorrel6.exe Q02A");
    EXPECT_EQ(processes->started[1].currentFolder, programDir() + "/Mathe");
    EXPECT_EQ(processes->started[2].commandLine, "ornifant1.exe Q02A");
    EXPECT_EQ(processes->started[2].currentFolder, programDir() + "/Lese");
    EXPECT_EQ(platform::readTextFile(pl + "/Protokoll/Max.txt").lines,
              QStringList({"O1", "Q1, mit Komma", "T1"}));
    for (const QString& file : {ornifant, quorrel, tavoro})
        EXPECT_FALSE(QFileInfo::exists(file)) << file.toStdString();
}

TEST_F(TaskManagerTest, BundleAbortInAnyResultsFileStopsTheSet)
{
    ManagerSettings s = oneSet({17, 25, 0, 0, 1}, 2, 0);
    s.Programmpaket = "PL";
    writeManager(s);
    writeFile(programDir() + "/lese/options.ini", {});
    whenRunning("rateflor.exe", appDataDir() + "/DA Ravezure/Plenaro/Tavoro/Protokoll.txt",
                abortRecord("QL Rateflor"));
    start();
    click("Command1");
    EXPECT_EQ(processes->commandLines(), QStringList({"rateflor.exe Q02A"}));
}

// A crash in the middle of a rewrite left the temporary files of the task manager's files beside
// them: its next start removes them.
TEST_F(TaskManagerTest, AStartRemovesWhatRewritesCutShortLeftBesideItsFiles)
{
    QStringList leftovers;
    for (const QString file : {"/manager.ini", "/options4.ini", "/options4.bak", "/Protokoll/Namen.ini", "/Protokoll.txt"})
        leftovers << writeSaveLeftover(packageDir() + file);
    start();
    for (const QString& leftover : leftovers)
        EXPECT_FALSE(QFileInfo::exists(leftover)) << leftover.toStdString();
    EXPECT_TRUE(QFileInfo::exists(packageDir() + "/manager.ini"));
}

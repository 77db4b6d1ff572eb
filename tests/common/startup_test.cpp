// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/common/ExerciseStartup.h"

#include "framework/ExerciseState.h"
#include "tests/support/fixture.h"

#include "platform/files.h"

#include <QDir>

namespace {

using exercise::windowPlacement;

class StartupTest : public testing_support::SuiteTest {};

TEST_F(StartupTest, DataFolderWithoutLauncherLiesBelowPlenaro)
{
    QDir().mkpath(appDataDir() + "/DA Ravezure/Plenaro");
    const QString expected = appDataDir() + "/DA Ravezure/Plenaro/Tavoro";
    EXPECT_EQ(exercise::findDataDir(), expected);
    EXPECT_TRUE(platform::folderExists(expected));
}

TEST_F(StartupTest, DataFolderBesideLauncherCreatesEachMissingLevel)
{
    addProgram("startomo");
    QDir(appDataDir()).removeRecursively();
    EXPECT_EQ(exercise::findDataDir(), dataDir());
    EXPECT_TRUE(platform::folderExists(dataDir()));
    EXPECT_FALSE(platform::folderExists(appDataDir() + "/DA Ravezure/Plenaro"));
}

SuiteOptions options(int hGrund, int hGrundStart, int tVis)
{
    SuiteOptions o;
    o.HGrund = hGrund;
    o.HGrundStart = hGrundStart;
    o.TVis = tVis;
    return o;
}

TEST_F(StartupTest, PlacementAndHelpFileFollowTheDisplayOptions)
{
    struct Case {
        SuiteOptions o;
        bool launcher;
        bool backdrop, minimize, topmost;
        const char* help;
    };
    const Case cases[] = {
        {options(0, -1, 0), true, false, false, true, "Ratgebix_Top.chm"},
        {options(0, -1, 0), false, false, true, false, "Ratgebix.chm"},
        {options(-1, 0, -1), true, true, false, false, "Ratgebix.chm"},
        {options(-1, 0, 0), false, true, false, false, "Ratgebix_Top.chm"},
        {options(0, -1, -1), true, false, false, false, "Ratgebix.chm"},
        {options(0, 0, 0), true, false, true, false, "Ratgebix.chm"},
    };
    for (const Case& c : cases) {
        const auto p = windowPlacement(c.o, c.launcher);
        EXPECT_EQ(p.backdrop, c.backdrop);
        EXPECT_EQ(p.minimizeBox, c.minimize);
        EXPECT_EQ(p.topmost, c.topmost);
        EXPECT_EQ(exercise::helpFile(c.o, c.launcher), programDir() + "/" + c.help);
    }
}

TEST_F(StartupTest, LauncherReturnNamesThePupilInQuotes)
{
    addProgram("startomo");
    ExerciseState state;
    state.CommandLine = "Q";
    ASSERT_TRUE(exercise::launcherReturn(state));
    EXPECT_EQ(exercise::launcherReturn(state)->commandLine, programDir() + "/startomo.exe");
    state.PupilName = "Anna";
    EXPECT_EQ(exercise::launcherReturn(state)->commandLine, programDir() + "/startomo.exe /n=\"Anna\"");
    EXPECT_EQ(exercise::launcherReturn(state)->currentFolder, programDir());
}

TEST_F(StartupTest, SiblingLauncherStartsOneFolderUp)
{
    const QString up = QDir(programDir() + "/..").absolutePath();
    writeBytes(up + "/kickomo", "#!/bin/sh\n");
    QFile::setPermissions(up + "/kickomo", QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    ExerciseState state;
    state.CommandLine = "Q";
    state.PupilName = "Tom";
    const auto start = exercise::launcherReturn(state);
    ASSERT_TRUE(start);
    EXPECT_EQ(start->commandLine, programDir() + "/../kickomo.exe 2 /n=\"Tom\"");
    EXPECT_EQ(start->currentFolder, programDir() + "/..");
}

TEST_F(StartupTest, NoLauncherReturnByHandInAssignmentOrFullScreenOrBesideTheTaskManager)
{
    addProgram("startomo");
    ExerciseState besideTaskManager;
    besideTaskManager.CommandLine = "Q03A";
    processes->running = {"Pensumo.exe"};
    EXPECT_FALSE(exercise::launcherReturn(besideTaskManager));
    processes->running.clear();
    EXPECT_TRUE(exercise::launcherReturn(besideTaskManager));
    ExerciseState byHand;
    byHand.CommandLine = "x";
    ExerciseState assignment;
    assignment.CommandLine = "Q05A";
    assignment.TaskMode = true;
    ExerciseState fullScreen;
    fullScreen.CommandLine = "Q";
    fullScreen.options.Aufloesung = -1;
    for (const ExerciseState* s : {&byHand, &assignment, &fullScreen})
        EXPECT_FALSE(exercise::launcherReturn(*s));
    QFile::remove(programDir() + "/startomo");
    ExerciseState none;
    none.CommandLine = "Q";
    EXPECT_FALSE(exercise::launcherReturn(none));
}

} // namespace

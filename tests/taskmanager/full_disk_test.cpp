// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/taskmanager/taskmanager_fixture.h"

#include "tests/support/full_disk.h"

#include "platform/files.h"
#include "platform/forms/end.h"

#include <QDir>

using taskmanager::ManagerSettings;

namespace {

// The data folder lies on a small file system that is full before the start.
class FullDiskTest : public TaskManagerTest {
protected:
    FullDiskTest() : disk(appDataDir()) {}
    testing_support::FullDisk disk;
};

} // namespace

TEST_F(FullDiskTest, TheTeachersTaskSetsSurviveAStartOnAFullDisk)
{
    if (!disk.mounted())
        GTEST_SKIP() << "mounting a small tmpfs is not permitted here";
    ManagerSettings teacher;
    for (int i = 0; i < 10; ++i)
        teacher.sets[static_cast<std::size_t>(i)] = {QString("Satz %1").arg(i + 1), {2, 7, 0, 0, 6}};
    teacher.activeSet = 4;
    writeFile(dataDir() + "/manager.ini", taskmanager::managerLines(teacher));
    for (const char* name : {"/options4.ini", "/options4.bak"})
        QFile::copy(programDir() + "/options4.ini", dataDir() + name);
    writeFile(dataDir() + "/Protokoll/Namen.ini", {"Max"});
    const QByteArray before = readBytes(dataDir() + "/manager.ini");
    disk.fill();

    start();
    EXPECT_EQ(readBytes(dataDir() + "/manager.ini"), before);
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_TRUE(messages->texts()[0].contains("weil der Datenträger voll ist"));
    EXPECT_EQ(menuItem("Nr4")->text(), "Nr. 4: Satz 4");
}

TEST_F(FullDiskTest, AFirstStartOnAFullDiskLeavesNoFileSaysSoAndEnds)
{
    if (!disk.mounted())
        GTEST_SKIP() << "mounting a small tmpfs is not permitted here";
    QDir().mkpath(dataDir());
    disk.fill();
    start();
    EXPECT_TRUE(platform::programEnded());
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_TRUE(messages->texts()[0].contains("weil der Datenträger voll ist"));
    EXPECT_EQ(QDir(dataDir()).entryList(QDir::Files), QStringList());
}

// An empty "manager.ini" (an older version's start on a full disk) counts as missing.
TEST_F(TaskManagerTest, AnEmptyTaskSetFileIsCopiedAfresh)
{
    ManagerSettings central;
    central.sets[1].name = "Lesen";
    writeManager(central);
    writeBytes(dataDir() + "/manager.ini", "");
    start();
    EXPECT_EQ(platform::readTextFile(dataDir() + "/manager.ini").lines, taskmanager::managerLines(central));
    EXPECT_EQ(menuItem("Nr2")->text(), "Nr. 2: Lesen");
    EXPECT_TRUE(messages->shown.empty());
}

// The disk fills while the pupil works: the records cannot reach the task log (Max's first, so
// no page of it has room left), the results file is their only copy and stays, and the teacher
// is told where to find it.
TEST_F(FullDiskTest, ResultsThatCannotBeCollectedAreKeptAndTheTeacherIsToldWhere)
{
    if (!disk.mounted())
        GTEST_SKIP() << "mounting a small tmpfs is not permitted here";
    ManagerSettings teacher;
    teacher.activeSet = 2;
    teacher.sets[1] = {QStringLiteral("Wörter"), {2, 7, 0, 0, 0}};
    teacher.allowedErrors = 3;
    teacher.logging = -1;
    writeManager(teacher);
    state.PupilName = "Max";
    whenRunning("tastomat.exe", resultsFile(), blockRecord("QL Tastomat"));
    whenRunning("rateflor.exe", resultsFile(), blockRecord("QL Rateflor"));
    const auto appendResults = processes->onRun;
    processes->onRun = [&](const QString& commandLine) {
        appendResults(commandLine);
        if (commandLine.startsWith("rateflor.exe"))
            disk.fill();
    };
    start();
    click("Command1");

    EXPECT_EQ(processes->started.size(), 2u);
    EXPECT_EQ(platform::readTextFile(resultsFile()).lines, blockRecord("QL Tastomat") + blockRecord("QL Rateflor"));
    EXPECT_TRUE(platform::fileMissingOrEmpty(packageDir() + "/Protokoll/Max.txt"));
    ASSERT_EQ(messages->shown.size(), 1u);
    const QString text = messages->texts()[0];
    EXPECT_TRUE(text.contains("weil der Datenträger voll ist")) << text.toStdString();
    EXPECT_TRUE(text.contains("Die Ergebnisse sind nicht verloren, sie stehen weiterhin in:\r\n" + resultsFile())) << text.toStdString();
    EXPECT_TRUE(form->isEnabled());
}

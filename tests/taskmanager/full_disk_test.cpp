#include "taskmanager_fixture.h"

#include "full_disk.h"

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

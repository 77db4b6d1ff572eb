// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/typewriter/typewriter_fixture.h"

#include "tests/support/full_disk.h"

#include "platform/forms/end.h"

#include <QDir>

namespace {

// The data folder lies on a small file system that is full before the start.
class TypewriterFullDiskTest : public TypewriterTest {
protected:
    TypewriterFullDiskTest() : disk(appDataDir()) {}
    testing_support::FullDisk disk;
};

} // namespace

TEST_F(TypewriterFullDiskTest, TheHelpModeFileKeepsItsBytesAndTheTypewriterSaysSo)
{
    if (!disk.mounted())
        GTEST_SKIP() << "mounting a small tmpfs is not permitted here";
    for (const char* name : {"/options4.ini", "/options4.bak"})
        QFile::copy(programDir() + "/options4.ini", dataDir() + name);
    writeBytes(dataDir() + "/options2.ini", " 2 \r\n");
    disk.fill();
    start("Q");
    EXPECT_EQ(readBytes(dataDir() + "/options2.ini"), " 2 \r\n");
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_TRUE(messages->texts()[0].contains("weil der Datenträger voll ist"));
}

TEST_F(TypewriterFullDiskTest, AFirstStartOnAFullDiskLeavesNoFileSaysSoAndEnds)
{
    if (!disk.mounted())
        GTEST_SKIP() << "mounting a small tmpfs is not permitted here";
    disk.fill();
    start("Q");
    EXPECT_TRUE(platform::programEnded());
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_TRUE(messages->texts()[0].contains("weil der Datenträger voll ist"));
    EXPECT_EQ(QDir(dataDir()).entryList(QDir::Files), QStringList());
}

// An empty "options2.ini" (an older version's start on a full disk) is written anew with 1.
TEST_F(TypewriterTest, AnEmptyHelpModeFileIsWrittenAnew)
{
    writeBytes(dataDir() + "/options2.ini", "");
    start("Q");
    EXPECT_EQ(readBytes(dataDir() + "/options2.ini"), " 1 \r\n");
    EXPECT_FALSE(form->Command1->isHidden());
}

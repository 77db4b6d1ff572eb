// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/fixture.h"

#include "framework/TRAVEK.h"

#include "platform/forms/form.h"
#include "platform/single_instance.h"

#include <QTest>
#include <QFileInfo>

#include <sys/wait.h>
#include <unistd.h>

using testing_support::SuiteTest;

class TravekTest : public SuiteTest {};

TEST(AboutBox, VersionDigits)
{
    EXPECT_EQ(TRAVEK::FormatVersion(2, 9, 102), "2.09.0102");
    EXPECT_EQ(TRAVEK::FormatVersion(2, 10, 5), "2.10.0005");
    EXPECT_EQ(TRAVEK::FormatVersion(1, 0, 1234), "1.00.01234");
    EXPECT_EQ(TRAVEK::FormatVersion(1, 2, 70), "1.02.0070");
}

TEST_F(TravekTest, AboutBoxNamesProductAndVersion)
{
    TRAVEK::ShowInfo();
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_EQ(messages->shown[0].title, "Info über QL Tavoro");
    EXPECT_EQ(messages->shown[0].text,
              "QL Tavoro Version 1.00.0000\r\nFreie Lernsoftware für die Grundschule unter der GNU GPL, Version 3 "
              "oder später (Datei LICENSE im Programmordner), ohne jede Gewährleistung. Bilder: Noto Color Emoji, "
              "SIL Open Font License.");
    EXPECT_EQ(messages->shown[0].icon, platform::MessageIcon::Information);
}

TEST_F(TravekTest, ScratchFilesLandInTheTempFolderElseTheProgramFolder)
{
    const QString inTemp = TRAVEK::TempFileName();
    EXPECT_TRUE(QFileInfo(inTemp).isFile());
    EXPECT_EQ(QFileInfo(inTemp).absolutePath(), paths->temp);
    EXPECT_EQ(QFileInfo(inTemp).size(), 0);
    paths->temp.clear();
    EXPECT_EQ(QFileInfo(TRAVEK::TempFileName()).absolutePath(), programDir());
    paths->temp = root.path() + "/fehlt";
    EXPECT_EQ(TRAVEK::TempFileName(), "");
}

TEST_F(TravekTest, OnlyScratchFilesOfEndedProcessesAreRemoved)
{
    const pid_t ended = ::fork();
    if (ended == 0)
        ::_exit(0);
    ::waitpid(ended, nullptr, 0);
    const QString mine = TRAVEK::TempFileName();
    const struct {
        QString name;
        bool kept;
    } cases[] = {{QString("QLS%1-AbC123.tmp").arg(ended), false},
                 {QFileInfo(mine).fileName(), true},
                 {QString("QLS%1-AbC123.tmp").arg(::getppid()), true},
                 {"QLS1A2B.tmp", true},   // no owner in the name: it cannot be told
                 {QString("QLS%1-AbC12.tmp").arg(ended), true},
                 {QString("QLS-%1-AbC123.tmp").arg(ended), true},
                 {QString("QLS%1x-AbC123.tmp").arg(ended), true},
                 {QString("QLS%1-AbC123.txt").arg(ended), true},
                 // What a rewrite of a scratch file cut short leaves belongs to its owner too.
                 {QString("QLS%1-AbC123.tmp.XyZ789").arg(ended), false},
                 {QString("QLS%1-AbC123.tmp.XyZ789").arg(::getppid()), true}};
    for (const auto& c : cases)
        writeBytes(paths->temp + "/" + c.name, "");
    TRAVEK::RemoveOrphanedTempFiles();
    for (const auto& c : cases)
        EXPECT_EQ(QFileInfo::exists(paths->temp + "/" + c.name), c.kept) << c.name.toStdString();
}

TEST_F(TravekTest, KillIfExistsDeletesOnlyANamedFile)
{
    const QString file = programDir() + "/weg.tmp";
    writeBytes(file, "x");
    TRAVEK::KillIfExists("");
    TRAVEK::KillIfExists(programDir() + "/fehlt.tmp");
    EXPECT_TRUE(QFileInfo::exists(file));
    TRAVEK::KillIfExists(file);
    EXPECT_FALSE(QFileInfo::exists(file));
}

TEST_F(TravekTest, AppDataFolderIsCreatedOnRequest)
{
    paths->appData = root.path() + "/neu/share";
    EXPECT_EQ(SHGetFolder::GetFolderPath(SHGetFolder::kAppData, false, true), "");
    EXPECT_EQ(SHGetFolder::GetFolderPath(SHGetFolder::kAppData, true, true), paths->appData);
    EXPECT_TRUE(QFileInfo(paths->appData).isDir());
    EXPECT_EQ(SHGetFolder::GetFolderPath(5, true, true), "");
}

TEST_F(TravekTest, ASecondCopyAsksTheFirstToComeToTheFront)
{
    platform::SingleInstance first("tastomat");
    int activations = 0;
    first.setActivationHandler([&] { ++activations; });
    ASSERT_FALSE(first.anotherRunning());
    platform::SingleInstance second("tastomat");
    EXPECT_TRUE(second.anotherRunning());
    EXPECT_TRUE(QTest::qWaitFor([&] { return activations > 0; }, 10000));
    EXPECT_EQ(activations, 1);
    platform::SingleInstance other("startomo");
    EXPECT_FALSE(other.anotherRunning());
}

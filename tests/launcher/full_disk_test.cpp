// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/launcher/launcher_fixture.h"

#include "launcher/Form2.h"
#include "launcher/Man_Namen.h"

#include "tests/support/full_disk.h"

#include "platform/forms/end.h"

#include <QDir>
#include <QTest>

using testing_support::whenShown;
using launcher::Form1;
using launcher::Form2;
using launcher::Man_Namen;

namespace {

// The data folder lies on a small file system that runs full.
class LauncherFullDiskTest : public LauncherTest {
protected:
    LauncherFullDiskTest() : disk(appDataDir()) { QDir().mkpath(dataDir()); }

    // The user's options (capitals on) and the backup of an older central copy.
    void writeUserOptions(int protSave)
    {
        QStringList lines = platform::readTextFile(programDir() + "/options4.ini").lines;
        lines[10] = platform::formatNumber(protSave);
        writeFile(dataDir() + "/options4.bak", lines);
        lines[4] = platform::formatNumber(-1);
        writeFile(dataDir() + "/options4.ini", lines);
    }
    QByteArray bytes(const QString& name) const { return readBytes(dataDir() + "/" + name); }
    void expectFullDiskMessage() const
    {
        ASSERT_EQ(messages->shown.size(), 1u);
        EXPECT_TRUE(messages->texts()[0].contains("weil der Datenträger voll ist")) << messages->texts()[0].toStdString();
    }

    testing_support::FullDisk disk;
};

#define SKIP_WITHOUT_TMPFS()                                                                       \
    if (!disk.mounted())                                                                           \
    GTEST_SKIP() << "mounting a small tmpfs is not permitted here"

} // namespace

TEST_F(LauncherFullDiskTest, AFirstStartLeavesNoFileSaysSoAndEnds)
{
    SKIP_WITHOUT_TMPFS();
    disk.fill();
    start();
    EXPECT_TRUE(platform::programEnded());
    expectFullDiskMessage();
    EXPECT_EQ(QDir(dataDir()).entryList(QDir::Files), QStringList());
}

TEST_F(LauncherFullDiskTest, ARefreshFromAChangedCentralCopyKeepsBothFiles)
{
    SKIP_WITHOUT_TMPFS();
    writeUserOptions(0);
    setCentralOptions({-1, -1, 0, 0});
    const QByteArray options = bytes("options4.ini");
    const QByteArray backup = bytes("options4.bak");
    disk.fill();
    start();
    EXPECT_TRUE(platform::programEnded());
    expectFullDiskMessage();
    EXPECT_EQ(bytes("options4.ini"), options);
    EXPECT_EQ(bytes("options4.bak"), backup);
}

TEST_F(LauncherFullDiskTest, ANewNameLeavesTheNameListAsItWas)
{
    SKIP_WITHOUT_TMPFS();
    writeUserOptions(1);
    // A list that fills its storage to the last byte: one more name needs new space.
    QStringList names;
    for (int i = 0; i < 409; ++i)
        names << QString("Name%1").arg(i, 4, 10, QLatin1Char('0'));
    names << "Anna";
    writeFile(logFolder() + "/Namen.ini", names);
    const QByteArray before = bytes("Protokoll_2/Namen.ini");
    ASSERT_EQ(before.size(), 4096);
    disk.fill();
    whenShown("Man_Namen", [](platform::Form& form) {
        auto& dialog = static_cast<Man_Namen&>(form);
        QTest::keyClicks(dialog.Text1, "Lena");
        QTest::mouseClick(dialog.OK, Qt::LeftButton);
    });
    start();
    expectFullDiskMessage();
    EXPECT_EQ(bytes("Protokoll_2/Namen.ini"), before);
    EXPECT_FALSE(QFileInfo::exists(logFolder() + "/Lena.txt"));
}

TEST_F(LauncherFullDiskTest, TheOptionsDialogsOkKeepsTheOldFileAndSaysSo)
{
    SKIP_WITHOUT_TMPFS();
    writeUserOptions(0);
    Form1& f = start();
    const QByteArray before = bytes("options4.ini");
    disk.fill();
    f.M_Optionen->trigger();
    auto* dialog = static_cast<Form2*>(platform::findForm("Form2"));
    ASSERT_NE(dialog, nullptr);
    QTest::mouseClick(dialog->Buchstaben, Qt::LeftButton, {}, QPoint(6, dialog->Buchstaben->height() / 2));
    QTest::mouseClick(dialog->Befehl1, Qt::LeftButton);
    expectFullDiskMessage();
    EXPECT_EQ(bytes("options4.ini"), before);
    EXPECT_EQ(state.options.Buchstaben, -1);
}

// An empty "options4.ini" (an older version's start on a full disk) is taken from the central
// copy again, not read as all options off.
TEST_F(LauncherTest, AnEmptyOptionsFileIsRefreshedFromTheCentralCopy)
{
    setCentralOptions({-1, 0, 0, 1});
    QDir().mkpath(dataDir());
    writeBytes(dataDir() + "/options4.ini", "");
    start("/n=\"Max\"");
    EXPECT_EQ(readBytes(dataDir() + "/options4.ini"), readBytes(programDir() + "/options4.ini"));
    EXPECT_EQ(state.options.HGrund, -1);
    EXPECT_EQ(state.options.ProtSave, 1);
}

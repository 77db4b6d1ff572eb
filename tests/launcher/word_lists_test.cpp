// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/launcher/launcher_fixture.h"

#include "launcher/WordLists.h"

#include "platform/forms/end.h"

#include <QAbstractButton>
#include <QTest>

namespace {

class WordListsTest : public LauncherTest {
protected:
    WordListsTest() { QDir().mkpath(dataDir()); }

    QString central(const QString& name) const { return programDir() + "/Listen/" + name; }
    QString user(const QString& name) const { return dataDir() + "/Listen/" + name; }
    QString server(const QString& name) const { return dataDir() + "/Listen/Server/" + name; }

    void writeList(const QString& path, const QStringList& words, const QDateTime& time)
    {
        writeFile(path, words);
        setTime(path, time);
    }
    static void setTime(const QString& path, const QDateTime& time)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(time, QFileDevice::FileModificationTime));
    }
    static QDateTime timeOf(const QString& path) { return QFileInfo(path).lastModified(); }

    void sync()
    {
        launcher::WordListSync sync;
        sync.start(programDir(), dataDir());
        ASSERT_FALSE(sync.finish().failed());
    }

    const QDateTime monday{QDate(2026, 9, 7), QTime(8, 15, 30, 700)};
    const QDateTime tuesday{QDate(2026, 9, 8), QTime(10, 0, 0)};
};

} // namespace

TEST_F(WordListsTest, TheFirstStartReceivesEveryListButTheEmptyPlaceholder)
{
    writeList(central("Tiere.txt"), {"Hund", "Katze"}, monday);
    writeList(central("Obst"), {"Apfel"}, tuesday);
    writeList(central("neu"), {}, monday);
    sync();
    for (const QString& name : {QString("Tiere.txt"), QString("Obst")}) {
        for (const QString& copy : {user(name), server(name)}) {
            EXPECT_EQ(readBytes(copy), readBytes(central(name))) << copy.toStdString();
            EXPECT_EQ(timeOf(copy), timeOf(central(name)));
        }
    }
    EXPECT_FALSE(QFileInfo::exists(user("neu")));
    EXPECT_FALSE(QFileInfo::exists(server("neu")));
}

TEST_F(WordListsTest, AChangedCentralListReplacesTheUsersCopyAndAnUnchangedOneKeepsTheEdits)
{
    writeList(central("Tiere.txt"), {"Hund"}, monday);
    writeList(central("Schule.txt"), {"Heft"}, monday);
    sync();
    writeList(user("Tiere.txt"), {"Hund", "Maus"}, tuesday);    // the teacher's edit
    writeList(user("Schule.txt"), {"Heft", "Stift"}, tuesday);
    writeList(central("Schule.txt"), {"Tafel"}, monday.addDays(-30));   // older, but changed
    // The Server copy kept its time only to the second, as some file systems do.
    setTime(server("Tiere.txt"), monday.addMSecs(-700));
    sync();
    EXPECT_EQ(platform::readTextFile(user("Tiere.txt")).lines, QStringList({"Hund", "Maus"}));
    EXPECT_EQ(platform::readTextFile(user("Schule.txt")).lines, QStringList({"Tafel"}));
    EXPECT_EQ(platform::readTextFile(server("Schule.txt")).lines, QStringList({"Tafel"}));
    EXPECT_EQ(timeOf(server("Schule.txt")), monday.addDays(-30));
}

TEST_F(WordListsTest, ADeletedListReturnsOnlyWhenTheCentralOneChanges)
{
    writeList(central("Tiere.txt"), {"Hund"}, monday);
    sync();
    QFile::remove(user("Tiere.txt"));
    sync();
    EXPECT_FALSE(QFileInfo::exists(user("Tiere.txt")));
    setTime(central("Tiere.txt"), tuesday);
    sync();
    EXPECT_TRUE(QFileInfo::exists(user("Tiere.txt")));
}

TEST_F(WordListsTest, OnlyThePlaceholderCreatesTheFoldersAndNoCentralFolderNothing)
{
    sync();
    EXPECT_FALSE(QFileInfo::exists(dataDir() + "/Listen"));
    writeList(central("NEU"), {}, monday);
    sync();
    EXPECT_TRUE(QDir(dataDir() + "/Listen/Server").isEmpty(QDir::Files));
    EXPECT_EQ(QDir(dataDir() + "/Listen").entryList(QDir::Files), QStringList());
}

TEST_F(WordListsTest, TheLauncherReceivesTheListsBesideItsWindowAndEndsWhenItCannot)
{
    writeList(central("Tiere.txt"), {"Hund"}, monday);
    start();
    EXPECT_TRUE(QTest::qWaitFor([&] { return timeOf(server("Tiere.txt")) == monday; }));
    EXPECT_EQ(readBytes(user("Tiere.txt")), readBytes(central("Tiere.txt")));
    QDir(dataDir() + "/Listen").removeRecursively();
    writeBytes(dataDir() + "/Listen", "kein Ordner");
    start();
    EXPECT_TRUE(QTest::qWaitFor([] { return platform::programEnded(); }));
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_TRUE(messages->shown[0].text.contains(dataDir() + "/Listen")) << messages->shown[0].text.toStdString();
    EXPECT_FALSE(launcher->isVisible());
}

// The word-list editor and the exercises read the lists: they start once every list is in place.
TEST_F(WordListsTest, WhatTheLauncherStartsFindsEveryListReceived)
{
    constexpr int kLists = 800;
    for (int i = 0; i < kLists; ++i)
        writeList(central(QStringLiteral("Liste %1.txt").arg(i)), {"Hund", "Katze"}, monday);
    for (const char* button : {"Command1", "WErstellen"}) {
        QDir(dataDir() + "/Listen").removeRecursively();
        launcher::Form1& f = start("/n=\"Max\"");
        if (QByteArray(button) == "WErstellen")
            f.WErstellen[0]->trigger();
        else
            QTest::mouseClick(f.findChild<QAbstractButton*>(button), Qt::LeftButton);
        ASSERT_EQ(processes->started.size(), 1u) << button;
        processes->started.clear();
        for (int i = 0; i < kLists; ++i)
            ASSERT_EQ(timeOf(server(QStringLiteral("Liste %1.txt").arg(i))), monday) << button << " " << i;
        platform::resetProgramEnded();
    }
}

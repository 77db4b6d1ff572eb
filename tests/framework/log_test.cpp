// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/ExerciseState.h"
#include "framework/ProtokollClass.h"

#include "tests/support/fixture.h"
#include "tests/support/full_disk.h"
#include "platform/files.h"

#include <QDir>
#include <QFileInfo>

#include <memory>

using testing_support::SuiteTest;

namespace {

class LogTest : public SuiteTest {
protected:
    LogTest()
    {
        state.LoggingOn = 1;
        QDir().mkpath(logPath());
    }
    QString logPath() const { return root.path() + QStringLiteral("/logs"); }
    QString logFile(const QString& name = QStringLiteral("Max")) const
    {
        return logPath() + QStringLiteral("/Protokoll_2/") + name + QStringLiteral(".txt");
    }
    std::unique_ptr<ProtokollClass> startLog(const QString& name = QStringLiteral("Max"))
    {
        auto proto = std::make_unique<ProtokollClass>(state);
        proto->SetPath(logPath());
        proto->UserName = name;
        proto->NameChange();
        proto->Programm = QStringLiteral("Tastomat");
        return proto;
    }
    static void answer(ProtokollClass& proto, const QString& task, bool right)
    {
        proto.Aufgabe = task;
        proto.NeueAufgabe = true;
        proto.Richtig = right;
        proto.Count();
    }
    ExerciseState state;
};

const QByteArray kHeader = "\r\n" + QByteArray(82, '-') + "\r\n\r\nProgramm Tastomat:\r\n"
                           "Protokoll begonnen am 10.12.2026 09:30:00.\r\n\r\n";

} // namespace

TEST_F(LogTest, WritesBlockTaskLinesAndSummaryByteForByte)
{
    auto proto = startLog();
    answer(*proto, QStringLiteral("Hund"), true);
    answer(*proto, QStringLiteral("Bär"), false);
    // Later answers to the same task are not logged.
    proto->Richtig = true;
    proto->Count();
    answer(*proto, QStringLiteral("Bär"), true);   // the same word presented again
    proto.reset();
    EXPECT_EQ(readBytes(logFile()),
              kHeader + "Die Aufgabe \"Hund\" wurde beim ersten Versuch richtig gel\xF6st.\r\n"
                        "Die Aufgabe \"B\xE4r\" wurde beim ersten Versuch falsch gel\xF6st.\r\n"
                        "Die Aufgabe \"B\xE4r\" wurde beim ersten Versuch richtig gel\xF6st.\r\n"
                        "\r\nVon 3 Aufgaben wurden 2 richtig gel\xF6st.\r\n");
}

TEST_F(LogTest, OneTaskGivesNoSummaryAndNoTaskNoHeader)
{
    writeBytes(logFile(), "alt\r\n");
    startLog().reset();
    EXPECT_EQ(readBytes(logFile()), QByteArray("alt\r\n"));
    auto proto = startLog();
    answer(*proto, QStringLiteral("Hund"), false);
    proto.reset();
    EXPECT_EQ(readBytes(logFile()),
              "alt\r\n" + kHeader + "Die Aufgabe \"Hund\" wurde beim ersten Versuch falsch gel\xF6st.\r\n");
}

TEST_F(LogTest, EachLineReachesTheDiskAtOnce)
{
    auto proto = startLog();
    answer(*proto, QStringLiteral("Hund"), true);
    EXPECT_TRUE(readBytes(logFile()).endsWith("richtig gel\xF6st.\r\n"));
}

TEST_F(LogTest, LogOfExactlyTheLimitIsAppendedTo)
{
    writeBytes(logFile(), QByteArray(25000, 'x'));
    auto proto = startLog();
    answer(*proto, QStringLiteral("Hund"), true);
    proto.reset();
    EXPECT_TRUE(readBytes(logFile()).startsWith(QByteArray(25000, 'x') + kHeader));
    EXPECT_EQ(QDir(logPath() + QStringLiteral("/Protokoll_2")).entryList(QDir::Files).size(), 1);
}

TEST_F(LogTest, LargerLogIsMovedToStampedNamesAndNeverOverwritten)
{
    const QString stamped = logPath() + QStringLiteral("/Protokoll_2/Max10.12.2026 09.30.00");
    writeBytes(logFile(), QByteArray(25001, 'a'));
    auto proto = startLog();
    answer(*proto, QStringLiteral("Hund"), true);
    proto.reset();
    EXPECT_EQ(readBytes(stamped + QStringLiteral(".txt")), QByteArray(25001, 'a'));
    EXPECT_TRUE(readBytes(logFile()).startsWith(kHeader));

    // A second rotation within the same second keeps both old logs.
    writeBytes(logFile(), QByteArray(25001, 'b'));
    startLog().reset();
    EXPECT_EQ(readBytes(stamped + QStringLiteral(".txt")), QByteArray(25001, 'a'));
    EXPECT_EQ(readBytes(stamped + QStringLiteral(" 2.txt")), QByteArray(25001, 'b'));
    EXPECT_EQ(readBytes(logFile()), QByteArray());
}

TEST_F(LogTest, NameChangeClosesTheBlockAndOpensTheNextPupil)
{
    auto proto = startLog();
    answer(*proto, QStringLiteral("Hund"), true);
    answer(*proto, QStringLiteral("Katze"), true);
    proto->UserName = QStringLiteral("Anna");
    proto->NameChange();
    EXPECT_TRUE(readBytes(logFile()).endsWith("\r\nVon 2 Aufgaben wurden 2 richtig gel\xF6st.\r\n"));
    EXPECT_TRUE(QFileInfo::exists(logFile(QStringLiteral("Anna"))));
}

TEST_F(LogTest, LoggingOffTouchesNoFile)
{
    state.LoggingOn = 0;
    ProtokollClass proto(state);
    proto.UserName = QStringLiteral("Max");
    proto.NameChange();
    answer(proto, QStringLiteral("Hund"), true);
    EXPECT_FALSE(QFileInfo::exists(logPath() + QStringLiteral("/Protokoll_2")));
    EXPECT_TRUE(messages->shown.empty());
}

TEST_F(LogTest, InvalidPupilNameSwitchesLoggingOff)
{
    for (const QString& name : {QStringLiteral("../../x"), QString(), QStringLiteral("Jürgen")}) {
        state.LoggingOn = 1;
        messages->shown.clear();
        auto proto = startLog(name);
        answer(*proto, QStringLiteral("Hund"), true);
        proto.reset();
        EXPECT_EQ(state.LoggingOn, 0) << name.toStdString();
        EXPECT_EQ(messages->shown.size(), 1u) << name.toStdString();
    }
    EXPECT_EQ(QDir(logPath() + QStringLiteral("/Protokoll_2")).entryList(QDir::Files).size(), 0);
    EXPECT_EQ(QDir(logPath()).entryList(QDir::Files).size(), 0);
    EXPECT_FALSE(QFileInfo::exists(root.path() + QStringLiteral("/x.txt")));
}

TEST_F(LogTest, MissingLogFolderSwitchesLoggingOffWithOneMessage)
{
    auto proto = std::make_unique<ProtokollClass>(state);
    proto->SetPath(root.path() + QStringLiteral("/nowhere/deeper"));
    proto->UserName = QStringLiteral("Max");
    proto->NameChange();
    proto->Programm = QStringLiteral("Tastomat");
    answer(*proto, QStringLiteral("Hund"), true);
    answer(*proto, QStringLiteral("Katze"), true);
    proto.reset();
    EXPECT_EQ(state.LoggingOn, 0);
    EXPECT_EQ(messages->shown.size(), 1u);
    EXPECT_FALSE(QFileInfo::exists(root.path() + QStringLiteral("/nowhere")));
}

TEST_F(LogTest, ALineThatMeetsAFullDiskIsTakenBackAndLoggingStopsWithItsMessage)
{
    const testing_support::FullDisk disk(logPath());
    if (!disk.mounted())
        GTEST_SKIP() << "mounting a small tmpfs is not permitted here";
    QDir().mkpath(logPath() + QStringLiteral("/Protokoll_2"));
    auto proto = startLog();
    answer(*proto, QStringLiteral("Hund"), true);
    {
        // A whole line that leaves five bytes of the file's last page: the next line needs a
        // page that the full disk cannot give, so only its start gets written.
        QFile log(logFile());
        ASSERT_TRUE(log.open(QIODevice::WriteOnly | QIODevice::Append));
        const qint64 room = 4096 - log.size() % 4096;
        log.write(QByteArray(room > 7 ? room - 7 : room + 4089, 'x') + "\r\n");
    }
    const QByteArray before = readBytes(logFile());
    disk.fill();
    answer(*proto, QStringLiteral("Katze"), false);
    EXPECT_EQ(readBytes(logFile()), before);
    EXPECT_EQ(state.LoggingOn, 0);
    EXPECT_EQ(messages->texts(), QStringList{QStringLiteral("Die Protokolldatei von Max kann nicht geschrieben "
                                                            "werden.\r\nDie Übung läuft ohne Protokoll weiter.")});
    proto.reset();
    EXPECT_EQ(readBytes(logFile()), before);
}

// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A rewrite of a settings file cut short between its temporary file and the rename, by a real
// kill -9 of the real typewriter at that point: the next start of an exercise removes the
// temporary file left behind, but not the one of a save that is running (here held at the same
// point) while the start looks.
#include "tests/support/fixture.h"

#include "platform/files.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

#include <csignal>

namespace {

class SaveLeftoverTest : public testing_support::SuiteTest {
protected:
    SaveLeftoverTest()
    {
        for (const QString program : {"tastomat", "Kritzlon"}) {
            copyFromSuite(program);
            const QString path = programDir() + "/" + program;
            QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner);
        }
        // The launcher beside them: the exercises' data folder is the suite's.
        addProgram("startomo");
        writeOptionFiles(QStringList(11, platform::formatNumber(0)));
        writeFile(dataDir() + "/options2.ini", {" 1 "});
    }

    // Started as the launcher starts it; `interrupt` "KILL" or "STOP" at the rename of
    // "options2.ini", empty for none.
    void start(QProcess& process, const QString& program, const QString& interrupt = {}) const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        if (!interrupt.isEmpty()) {
            env.insert("LD_PRELOAD", SAVE_INTERRUPTER);
            env.insert("TAVORO_INTERRUPT_RENAME", "/options2.ini");
            env.insert("TAVORO_INTERRUPT_SIGNAL", interrupt);
        }
        startProgram(process, program, {"Q"}, env);
    }

    QStringList leftovers() const { return QDir(dataDir()).entryList({"options2.ini.*"}, QDir::Files); }

    static bool stopped(qint64 pid)
    {
        QFile stat(QString("/proc/%1/stat").arg(pid));
        return stat.open(QIODevice::ReadOnly) && stat.readAll().split(')').value(1).trimmed().startsWith('T');
    }
};

TEST_F(SaveLeftoverTest, AStartRemovesWhatAKilledSaveLeftButNotWhatARunningSaveWrites)
{
    QProcess killed;
    start(killed, "tastomat", "KILL");
    ASSERT_TRUE(killed.waitForFinished(20000));
    EXPECT_EQ(killed.exitStatus(), QProcess::CrashExit);
    const QStringList left = leftovers();
    ASSERT_EQ(left.size(), 1);
    EXPECT_EQ(readBytes(dataDir() + "/options2.ini"), " 1 \r\n");
    // The crash was yesterday.
    QFile leftover(dataDir() + "/" + left.first());
    ASSERT_TRUE(leftover.open(QIODevice::ReadWrite));
    ASSERT_TRUE(leftover.setFileTime(QDateTime::currentDateTime().addDays(-1), QFileDevice::FileModificationTime));
    leftover.close();

    // A second typewriter stops with its own save of the file half done.
    QProcess saving;
    start(saving, "tastomat", "STOP");
    ASSERT_TRUE(QTest::qWaitFor([&] { return stopped(saving.processId()); }, 20000));
    QStringList live = leftovers();
    live.removeAll(left.first());
    ASSERT_EQ(live.size(), 1);

    // The free writing program's start removes the dead save's file only; it has passed that
    // step once its own settings file is there.
    QProcess next;
    start(next, "Kritzlon");
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(dataDir() + "/options3.ini"); }, 20000));
    EXPECT_EQ(leftovers(), live);

    // The running save ends as it would have.
    ::kill(static_cast<pid_t>(saving.processId()), SIGCONT);
    EXPECT_TRUE(QTest::qWaitFor([&] { return leftovers().isEmpty(); }, 20000));
    EXPECT_EQ(readBytes(dataDir() + "/options2.ini"), " 1 \r\n");
    for (QProcess* process : {&saving, &next}) {
        process->kill();
        process->waitForFinished();
    }
}

} // namespace

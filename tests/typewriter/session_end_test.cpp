// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The real typewriter at a logout (SIGTERM, SIGHUP) and after a SIGKILL: on a private X server,
// driven by real clicks.
#include "tests/support/fixture.h"
#include "tests/support/xserver.h"

#include "platform/files.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

#include <csignal>
#include <unistd.h>

namespace {

using testing_support::PrivateXServer;
using testing_support::twipsCentre;

class SessionEndTest : public testing_support::SuiteTest {
protected:
    SessionEndTest()
    {
        copyFromSuite("tastomat");
        QFile::setPermissions(programDir() + "/tastomat", QFile::permissions(programDir() + "/tastomat")
                                                             | QFileDevice::ExeOwner);
        // Stands in for the launcher: records that it was started.
        const QString launcher = programDir() + "/startomo";
        writeBytes(launcher, "#!/bin/sh\necho \"$@\" >> \"$(dirname \"$0\")/launcher-started\"\n");
        QFile::setPermissions(launcher, QFile::permissions(launcher) | QFileDevice::ExeOwner);
        // Every option off but "Weiter" on errors and logging under names.
        QStringList options(11, platform::formatNumber(0));
        options[6] = platform::formatNumber(-1);
        options[10] = platform::formatNumber(1);
        writeOptionFiles(options);
        QDir().mkpath(dataDir() + "/Protokoll_2");
    }

    // Started as the launcher starts it, from a folder that is not the program folder.
    void start(QProcess& tastomat, const QProcessEnvironment& env) const
    {
        startProgram(tastomat, "tastomat", {QString("Q /p=\"%1\" /n=\"Max\"").arg(dataDir())}, env);
    }

    QStringList scratchFiles() const { return QDir(paths->temp).entryList({"QLS*"}, QDir::Files); }
    QStringList logLines() const { return platform::readTextFile(dataDir() + "/Protokoll_2/Max.txt").lines; }
    qsizetype loggedTasks() const { return logLines().filter("Die Aufgabe").size(); }
};

TEST_F(SessionEndTest, ALogoutRunsTheUnloadButStartsNoLauncher)
{
    PrivateXServer x;
    ASSERT_TRUE(x.running());
    for (const int signal : {SIGTERM, SIGHUP}) {
        QFile::remove(dataDir() + "/Protokoll_2/Max.txt");
        QProcess tastomat;
        start(tastomat, x.environment());
        // The level dialog: "kurze Wörter"; then "Weiter" twice, each word counted wrong.
        const qulonglong level = x.waitForWindow("QL Tastomat");
        ASSERT_NE(level, 0u);
        x.click(level, twipsCentre(360, 1125, 5775, 675));
        const qulonglong window = x.waitForWindow("QL Tastomat ;   <F6> für Lehrermenü");
        ASSERT_NE(window, 0u);
        for (int word = 1; word <= 2; ++word) {
            x.click(window, twipsCentre(2160, 5160, 2400, 840));
            ASSERT_TRUE(QTest::qWaitFor([&] { return loggedTasks() == word; }, 10000)) << word;
        }
        ASSERT_EQ(scratchFiles().size(), 1);

        ::kill(static_cast<pid_t>(tastomat.processId()), signal);
        ASSERT_TRUE(tastomat.waitForFinished(10000));
        EXPECT_EQ(tastomat.exitStatus(), QProcess::NormalExit) << signal;
        EXPECT_EQ(tastomat.exitCode(), 0);
        EXPECT_EQ(logLines().last(), "Von 2 Aufgaben wurden 0 richtig gelöst.") << signal;
        EXPECT_TRUE(scratchFiles().isEmpty()) << signal;
        // A launcher started at the end runs from before the typewriter ended until it has noted
        // its start.
        EXPECT_TRUE(testing_support::processesOf(programDir() + "/startomo").empty()) << signal;
        EXPECT_FALSE(QFile::exists(programDir() + "/launcher-started")) << signal;
    }
}

TEST_F(SessionEndTest, AStartRemovesTheScratchFilesOfKilledCopiesOnly)
{
    const QProcessEnvironment offscreen = [] {
        QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
        e.insert("QT_QPA_PLATFORM", "offscreen");
        return e;
    }();
    QProcess killed;
    start(killed, offscreen);
    ASSERT_TRUE(QTest::qWaitFor([&] { return scratchFiles().size() == 1; }, 10000));
    killed.kill();
    killed.waitForFinished();
    const QStringList left = scratchFiles();
    ASSERT_EQ(left.size(), 1);
    // A scratch file whose process still runs (this test's) is left alone.
    const QString alive = QString("QLS%1-AbC123.tmp").arg(::getpid());
    writeBytes(paths->temp + "/" + alive, " 3 \r\n");

    QProcess next;
    start(next, offscreen);
    // Left: the live one and the new copy's own.
    EXPECT_TRUE(QTest::qWaitFor([&] {
        const QStringList now = scratchFiles();
        return !now.contains(left.first()) && now.size() == 2;
    }, 10000));
    EXPECT_TRUE(scratchFiles().contains(alive));
    next.kill();
    next.waitForFinished();
}

} // namespace

// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/launcher/end_to_end_fixture.h"

#include <QProcess>

#include <csignal>

namespace {

// The launcher for `arguments` on the private X server, from a folder that is not the program
// folder.
void startOnScreen(const testing_support::PrivateXServer& x, QProcess& startomo, const QStringList& arguments)
{
    startomo.setProcessEnvironment(x.environment());
    startomo.setWorkingDirectory("/");
    startomo.start(QStringLiteral(TAVORO_SUITE_DIR "/startomo"), arguments);
}

} // namespace

// A session that ends sends SIGTERM or SIGHUP: the launcher restores the display and ends normally.
TEST_F(EndToEndTest, TheLauncherEndsCleanlyOnTheSessionsEndSignals)
{
    testing_support::PrivateXServer x;
    ASSERT_TRUE(x.running());
    writeUserOptions(-1);
    for (const int signal : {SIGTERM, SIGHUP}) {
        QFile::remove(dataDir() + "/Protokoll_2/Max.txt");
        QProcess startomo;
        startOnScreen(x, startomo, {"/n=\"Max\""});
        ASSERT_TRUE(startomo.waitForStarted(5000));
        // The pupil's log appears at the end of the launcher's start-up, then its window.
        ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(dataDir() + "/Protokoll_2/Max.txt"); }, 10000));
        ASSERT_NE(x.waitForWindow("QL Tavoro ;   <F6> für Lehrermenü"), 0u);
        ::kill(static_cast<pid_t>(startomo.processId()), signal);
        ASSERT_TRUE(startomo.waitForFinished(5000));
        EXPECT_EQ(startomo.exitStatus(), QProcess::NormalExit) << signal;
        EXPECT_EQ(startomo.exitCode(), 0);
    }
}

// The signal may come while the launcher still asks for the pupil's name at its start.
TEST_F(EndToEndTest, TheLauncherEndsOnTheSessionsEndWhileItAsksForTheName)
{
    testing_support::PrivateXServer x;
    ASSERT_TRUE(x.running());
    writeUserOptions(-1);
    QProcess startomo;
    startOnScreen(x, startomo, {});
    ASSERT_TRUE(startomo.waitForStarted(5000));
    // The name dialog is shown.
    ASSERT_NE(x.waitForWindow("QL Ornifant"), 0u);
    ::kill(static_cast<pid_t>(startomo.processId()), SIGTERM);
    ASSERT_TRUE(startomo.waitForFinished(5000));
    EXPECT_EQ(startomo.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(startomo.exitCode(), 0);
}

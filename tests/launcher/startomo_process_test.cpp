#include "end_to_end_fixture.h"

#include <QProcess>

#include <csignal>

// A session that ends sends SIGTERM or SIGHUP: the launcher restores the display and ends normally.
TEST_F(EndToEndTest, TheLauncherEndsCleanlyOnTheSessionsEndSignals)
{
    writeUserOptions(-1);
    for (const int signal : {SIGTERM, SIGHUP}) {
        QFile::remove(dataDir() + "/Protokoll_2/Max.txt");
        QProcess startomo;
        startomo.start(suite("startomo"), {"/n=\"Max\""});
        ASSERT_TRUE(startomo.waitForStarted(5000));
        // The pupil's log appears at the end of the launcher's start-up.
        ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(dataDir() + "/Protokoll_2/Max.txt"); }, 10000));
        QTest::qWait(300);
        ::kill(static_cast<pid_t>(startomo.processId()), signal);
        ASSERT_TRUE(startomo.waitForFinished(5000));
        EXPECT_EQ(startomo.exitStatus(), QProcess::NormalExit) << signal;
        EXPECT_EQ(startomo.exitCode(), 0);
    }
}

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

// The signal may come while the launcher still asks for the pupil's name at its start.
TEST_F(EndToEndTest, TheLauncherEndsOnTheSessionsEndWhileItAsksForTheName)
{
    writeUserOptions(-1);
    QProcess startomo;
    startomo.start(suite("startomo"));
    ASSERT_TRUE(startomo.waitForStarted(5000));
    // It takes the signal once its start-up has set up its display, just before it asks.
    const auto catchesTerm = [&] {
        QFile status(QStringLiteral("/proc/%1/status").arg(startomo.processId()));
        const QByteArray text = status.open(QIODevice::ReadOnly) ? status.readAll() : QByteArray();
        const qsizetype at = text.indexOf("SigCgt:");
        return at >= 0 && (text.mid(at + 7, 17).trimmed().toULongLong(nullptr, 16) & (1ULL << (SIGTERM - 1)));
    };
    ASSERT_TRUE(QTest::qWaitFor(catchesTerm, 10000));
    QTest::qWait(300);
    ::kill(static_cast<pid_t>(startomo.processId()), SIGTERM);
    ASSERT_TRUE(startomo.waitForFinished(5000));
    EXPECT_EQ(startomo.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(startomo.exitCode(), 0);
}

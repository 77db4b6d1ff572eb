// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/launcher/end_to_end_fixture.h"

#include <QProcess>

#include <csignal>

// The launcher window with the real process service starts the real free writing exercise,
// which keeps its print-button setting in the pupil's data folder and runs only once.
TEST_F(EndToEndTest, KritzlonStartsWithThePupilsNameAndRunsOnce)
{
    const qint64 pid = startFromLauncher("Command3", "Kritzlon", "Kritzlon");
    ASSERT_NE(pid, 0);
    EXPECT_EQ(arguments(pid).mid(1), QStringList({"Q /p=\"" + dataDir() + "\" /n=\"Max\""}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(dataDir() + "/options3.ini"); }, 10000));
    EXPECT_EQ(readBytes(dataDir() + "/options3.ini"), QByteArray(" 0 \r\n"));

    QProcess second;
    second.start(suite("Kritzlon"), {"Q"});
    EXPECT_TRUE(second.waitForFinished(5000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(findProcess("Kritzlon", dataDir()), pid);
    ::kill(static_cast<pid_t>(pid), SIGKILL);
}

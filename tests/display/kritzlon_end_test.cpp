// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The end of free writing, which ignores the task manager's assignment suffix: beside the task
// manager it starts no launcher (that would only refuse, with a warning meant for the teacher);
// started by the launcher it starts the launcher again.
#include "tests/display/on_screen_launcher.h"

#include "taskmanager/ManagerFile.h"

#include "platform/processes.h"

#include <QTest>

#include <csignal>
#include <unistd.h>

using testing_support::twipsCentre;

namespace {

const QString kKritzlon = QString::fromUtf8("QL Kritzlon ;   <F6> für Lehrermenü");
const QPoint kKritzlonEnde = twipsCentre(8160, 5520, 1215, 735);

class KritzlonEnd : public OnScreenLauncher {
protected:
    // Whether the suite's `program` runs for this test's data folder.
    bool runs(const QString& program) const
    {
        return platform::processRunning(program + ".exe", platform::runningProcesses(program), ::getuid(),
                                        appDataDir());
    }

    // Clicks "Los geht's" (405, 240, 2655, 1215 twips, below the menu bar) until the window
    // titled `first` shows; a click may fall before the window has settled on a busy machine.
    qulonglong startSet(qulonglong manager, const QString& first) const
    {
        for (int attempt = 0; attempt < 5; ++attempt) {
            server.click(manager, twipsCentre(405, 240, 2655, 1215) + QPoint(0, 20));
            if (const qulonglong window = server.waitForWindow(first, 5000))
                return window;
        }
        return 0;
    }

    // Clicks free writing's "Ende" and waits until the program has ended.
    bool endKritzlon(qulonglong window) const
    {
        const qint64 pid = server.processOf(window);
        server.click(window, kKritzlonEnde);
        return QTest::qWaitFor([&] { return !platform::processAlive(pid); }, 20000);
    }
};

} // namespace

TEST_F(KritzlonEnd, BesideTheTaskManagerNoLauncherStartsAndNoMessageShows)
{
    taskmanager::ManagerSettings settings;
    settings.sets[0] = {"Schreiben", {2, 3, 0, 0, 0}};   // Tastomat, then Kritzlon
    writeFile(dataDir() + "/manager.ini", taskmanager::managerLines(settings));
    QProcess pensumo;
    start(pensumo, {.backdrop = -1, .taskbarVisible = 0}, "Pensumo", {});
    const qulonglong manager = windowInFront("QL Pensumo");
    ASSERT_NE(manager, 0u);
    const qulonglong typewriter = startSet(manager, "QL Tastomat");
    ASSERT_NE(typewriter, 0u);
    // A logout ends the typewriter at its level dialog; the set goes on.
    ::kill(static_cast<pid_t>(server.processOf(typewriter)), SIGTERM);
    const qulonglong kritzlon = windowInFront(kKritzlon);
    ASSERT_NE(kritzlon, 0u);
    ASSERT_TRUE(endKritzlon(kritzlon));
    // A launcher started at the end would run from now until its warning is answered.
    EXPECT_FALSE(runs("startomo"));
    EXPECT_EQ(windowInFront("QL Pensumo"), manager);
    const QList<qulonglong> shown = server.visibleWindows();
    EXPECT_EQ(shown.size(), 2);   // the task manager's window and its backdrop
    for (const qulonglong window : shown)
        EXPECT_EQ(server.processOf(window), pensumo.processId());
}

TEST_F(KritzlonEnd, StartedByTheLauncherItStartsTheLauncherAgain)
{
    start({.backdrop = -1, .taskbarVisible = 0});
    const qulonglong window = windowInFront(kLauncher);
    ASSERT_NE(window, 0u);
    server.click(window, twipsCentre(240 + 2 * 2160, 960, 2055, 1455));   // "Kritzlon"
    ASSERT_TRUE(launcher.waitForFinished(20000));
    const qulonglong kritzlon = windowInFront(kKritzlon);
    ASSERT_NE(kritzlon, 0u);
    ASSERT_TRUE(endKritzlon(kritzlon));
    const qulonglong again = windowInFront(kLauncher);
    ASSERT_NE(again, 0u);
    const qint64 pid = server.processOf(again);
    ::kill(static_cast<pid_t>(pid), SIGTERM);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !platform::processAlive(pid); }, 20000));
}

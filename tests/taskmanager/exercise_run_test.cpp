// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/taskmanager/taskmanager_fixture.h"

#include "platform/real_services.h"

#include <QFileInfo>
#include <QTest>

#include <csignal>
#include <thread>

using taskmanager::ManagerSettings;

namespace {

// A real exercise program of the suite, by its number in the task manager's table.
struct Exercise {
    int number;
    const char* executable;
};

void PrintTo(const Exercise& e, std::ostream* os)
{
    *os << e.executable;
}

// What the running exercise saw: its argument string and its current folder.
struct Seen {
    QString arguments;
    QString folder;
};

// Waits for the program folder's `executable` to run, notes what it was given, then ends it as
// a logout would once it takes the signal as a running program does, so the set goes on.
Seen watchAndEnd(const QString& executable)
{
    std::vector<std::pair<int, QStringList>> found;
    if (!QTest::qWaitFor([&] { return !(found = testing_support::processesOf(executable)).empty(); }, 20000))
        return {};
    const auto& [pid, argv] = found.front();
    const Seen seen{argv.value(1), QFileInfo(QStringLiteral("/proc/%1/cwd").arg(pid)).symLinkTarget()};
    EXPECT_TRUE(QTest::qWaitFor([pid = pid] { return testing_support::catchesSignal(pid, SIGTERM); }, 20000));
    ::kill(pid, SIGTERM);
    return seen;
}

class ExerciseRunTest : public TaskManagerTest, public ::testing::WithParamInterface<Exercise> {
protected:
    ExerciseRunTest()
    {
        platform::services().processes = std::make_unique<platform::RealProcesses>(QStringList{});
        processes = nullptr;
        exportDataFolder();
        copyFromSuite(GetParam().executable);
    }
};

TEST_P(ExerciseRunTest, TheSetStartsTheRealProgramInItsFolderAndWaitsForIt)
{
    ManagerSettings s;
    s.sets[0] = {"Eine Übung", {GetParam().number, 0, 0, 0, 0}};
    s.allowedErrors = 3;
    writeManager(s);
    start();
    Seen seen;
    std::thread watcher([&] { seen = watchAndEnd(programDir() + "/" + GetParam().executable); });
    click("Command1");
    watcher.join();
    EXPECT_EQ(seen.arguments, "Q03A");
    EXPECT_EQ(seen.folder, programDir());
    EXPECT_TRUE(form->isEnabled());
}

// Each exercise of the suite adds its row once it is built.
INSTANTIATE_TEST_SUITE_P(Programs, ExerciseRunTest,
                         ::testing::Values(Exercise{7, "rateflor"}, Exercise{9, "bogenblick"}, Exercise{4, "baudrom"}, Exercise{5, "baudromsilben"},
                                           Exercise{6, "lesolum"}),
                         [](const auto& info) { return std::string(info.param.executable); });

} // namespace

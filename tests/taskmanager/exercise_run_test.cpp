#include "taskmanager_fixture.h"

#include "platform/real_services.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

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
// a logout would, so the set goes on.
Seen watchAndEnd(const QString& executable)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 20000) {
        for (const QString& pid : QDir("/proc").entryList(QDir::Dirs)) {
            if (QFileInfo("/proc/" + pid + "/exe").symLinkTarget() != executable)
                continue;
            QFile cmdline("/proc/" + pid + "/cmdline");
            if (!cmdline.open(QIODevice::ReadOnly))
                continue;
            const QStringList argv = QString::fromLocal8Bit(cmdline.readAll()).split(QChar(0), Qt::SkipEmptyParts);
            const Seen seen{argv.value(1), QFileInfo("/proc/" + pid + "/cwd").symLinkTarget()};
            // Give it time to reach its first dialog, so the end is a running program's end.
            QThread::msleep(300);
            ::kill(pid.toInt(), SIGTERM);
            return seen;
        }
        QThread::msleep(20);
    }
    return {};
}

class ExerciseRunTest : public TaskManagerTest, public ::testing::WithParamInterface<Exercise> {
protected:
    ExerciseRunTest()
    {
        platform::services().processes = std::make_unique<platform::RealProcesses>(QStringList{});
        processes = nullptr;
        qputenv("XDG_DATA_HOME", appDataDir().toLocal8Bit());
        copyFromSuite(GetParam().executable);
    }
    ~ExerciseRunTest() override { qunsetenv("XDG_DATA_HOME"); }
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

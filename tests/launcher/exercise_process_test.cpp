// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/launcher/end_to_end_fixture.h"

#include <QElapsedTimer>
#include <QProcess>

#include <csignal>

#include <sched.h>
#include <unistd.h>

namespace {

// A launcher button and the real exercise it starts.
struct ExerciseButton {
    int index;              // in the launcher's grid
    const char* button;     // its name
    const char* caption;
    const char* executable;
    bool scratchFile;       // it makes a scratch file at start
    const char* levelTitle; // its level dialog's title; empty when it asks none at start
    const char* windowTitle;
};

// The exercises the launcher starts; those that make a scratch file at start only, if asked.
std::vector<ExerciseButton> exercises(bool withScratchFile)
{
    const ExerciseButton all[] = {
        {1, "Command2", "Tastomat", "tastomat", true, "QL Tastomat", "QL Tastomat ;   <F6> für Lehrermenü"},
        {7, "Command6", "Fugolin", "Fugolin", true, "QL Fugolin", "QL Fugolin ;   <F6> für Lehrermenü"},
        {0, "Command1", "Plattix", "plattix", true, "QL Plattix", "QL Plattix ;   <F6> für Lehrermenü"},
        {3, "Command9", "Baudrom: Buchstaben", "baudrom", false, "QL Baudrom 1",
         "QL Baudrom 1 (Buchstaben) ;   <F6> für Lehrermenü"},
        {4, "Command10", "Baudrom: Silben", "baudromsilben", false, "QL Baudrom 2",
         "QL Baudrom 2 (Silben) ;   <F6> für Lehrermenü"},
        {5, "Command4", "Lesolum", "lesolum", false, "QL Lesolum", "QL Lesolum ;   <F6> für Lehrermenü"},
        {6, "Command7", "Rateflor", "rateflor", false, "", "QL Rateflor ;   <F6> für Lehrermenü"},
        {8, "Command5", "Bogenblick", "bogenblick", false, "QL Bogenblick", "QL Bogenblick ;   <F6> für Lehrermenü"}};
    std::vector<ExerciseButton> found;
    for (const ExerciseButton& b : all)
        if (b.scratchFile || !withScratchFile)
            found.push_back(b);
    return found;
}

void PrintTo(const ExerciseButton& b, std::ostream* os)
{
    *os << b.executable;
}

std::string testName(const testing::TestParamInfo<ExerciseButton>& info)
{
    return info.param.executable;
}

class ExerciseStartTest : public EndToEndTest, public testing::WithParamInterface<ExerciseButton> {};

// The launcher window with the real process service starts the real exercise, which opens the
// pupil's log in the launcher's data folder.
TEST_P(ExerciseStartTest, TheButtonStartsTheExerciseWithThePupilsNameAndLog)
{
    const ExerciseButton b = GetParam();
    const qint64 pid = startFromLauncher(b.button, b.caption, b.executable);
    ASSERT_NE(pid, 0);
    EXPECT_EQ(arguments(pid).mid(1), QStringList({"Q /p=\"" + dataDir() + "\" /n=\"Max\""}));
    const QString log = dataDir() + "/Protokoll_2/Max.txt";
    EXPECT_TRUE(QTest::qWaitFor([&] { return holdsOpen(pid, log); }, 10000));
    ::kill(static_cast<pid_t>(pid), SIGKILL);
}

INSTANTIATE_TEST_SUITE_P(Exercises, ExerciseStartTest, testing::ValuesIn(exercises(false)), testName);

// The program that started an exercise keeps no zombie of it once it has ended: the launcher
// that stays open in full-screen mode lives on beside it.
TEST_F(EndToEndTest, TheEndOfAStartedExerciseIsCollected)
{
    const qint64 pid = startFromLauncher("Command2", "Tastomat", "tastomat");
    ASSERT_NE(pid, 0);
    ::kill(static_cast<pid_t>(pid), SIGKILL);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !QFileInfo::exists(QStringLiteral("/proc/%1").arg(pid)); }, 10000));
}

class SecondCopyTest : public EndToEndTest, public testing::WithParamInterface<ExerciseButton> {
protected:
    QProcessEnvironment offscreen() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_DATA_HOME", appDataDir());
        env.insert("TMPDIR", paths->temp);
        return env;
    }
    // The scratch files of the exercises in the test's temp folder.
    QStringList scratchFiles() const { return QDir(paths->temp).entryList({"QLS*"}, QDir::Files); }
};

// Started from a folder that is not the program folder, a second copy ends at once and touches
// no file while the first waits at its level dialog.
TEST_P(SecondCopyTest, EndsAtOnceAndLeavesNoScratchFile)
{
    const QString program = suite(GetParam().executable);
    QProcess first;
    first.setProcessEnvironment(offscreen());
    first.setWorkingDirectory(appDataDir());
    first.start(program, {"Q"});
    ASSERT_TRUE(first.waitForStarted());
    ASSERT_TRUE(QTest::qWaitFor([&] { return scratchFiles().size() == 1; }, 10000));
    const QStringList before = scratchFiles();

    QProcess second;
    second.setProcessEnvironment(offscreen());
    second.setWorkingDirectory(appDataDir());
    QElapsedTimer took;
    took.start();
    second.start(program, {"Q"});
    EXPECT_TRUE(second.waitForFinished(10000));
    EXPECT_LT(took.elapsed(), 5000);
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(scratchFiles(), before);
    EXPECT_EQ(first.state(), QProcess::Running);

    first.kill();
    first.waitForFinished();
}

INSTANTIATE_TEST_SUITE_P(Exercises, SecondCopyTest, testing::ValuesIn(exercises(true)), testName);

// On a real display: the real launcher, started from `/`, starts the exercise of the clicked
// button; after its level dialog (its first choice clicked) its window stands wholly on the
// screen and shows its pictures and captions, and a logout ends it.
class ExerciseOnScreenTest : public EndToEndTest, public testing::WithParamInterface<ExerciseButton> {};

TEST_P(ExerciseOnScreenTest, TheLaunchersButtonShowsTheExercisesWindowOnTheScreen)
{
    const ExerciseButton b = GetParam();
    testing_support::PrivateXServer x;
    ASSERT_TRUE(x.running());
    QProcess startomo;
    startLauncherOnScreen(x, startomo);
    const qulonglong launcher = x.waitForWindow(QString::fromUtf8("QL Tavoro ;   <F6> für Lehrermenü"), 60000);
    ASSERT_NE(launcher, 0u);
    x.click(launcher, testing_support::twipsCentre(240 + b.index % 4 * 2160, 960 + b.index / 4 * 1560, 2055, 1455));
    ASSERT_TRUE(startomo.waitForFinished(10000));
    qint64 pid = 0;
    ASSERT_TRUE(QTest::qWaitFor([&] { return (pid = findProcess(b.executable, dataDir())) != 0; }, 10000));
    if (*b.levelTitle) {
        const qulonglong level = x.waitForWindow(QString::fromUtf8(b.levelTitle), 60000);
        ASSERT_NE(level, 0u);
        x.click(level, testing_support::twipsCentre(360, 1125, 5775, 675));   // the first choice
    }
    const qulonglong window = x.waitForWindow(QString::fromUtf8(b.windowTitle), 60000);
    ASSERT_NE(window, 0u);
    const QRect place = x.geometry(window);
    EXPECT_TRUE(QRect(0, 0, 1024, 768).contains(place)) << place.x() << ", " << place.y();
    EXPECT_TRUE(QTest::qWaitFor([&] { return testing_support::colourCount(x.grab(window), {{0, 0}, place.size()}) > 50; }, 10000));
    // A logout while the window presents its first task ends the exercise at once, not after
    // the task's pauses.
    ::kill(static_cast<pid_t>(pid), SIGTERM);
    EXPECT_TRUE(QTest::qWaitFor([&] { return findProcess(b.executable, dataDir()) == 0; }, 3000));
}

INSTANTIATE_TEST_SUITE_P(Exercises, ExerciseOnScreenTest, testing::ValuesIn(exercises(false)), testName);

// The exercise runs in the normal scheduling class, not in the lowest one the launcher ends in.
// It has a process group of its own but stays in the launcher's session: the processor is
// shared out between sessions first, and only within its session does the launcher's end make
// room for the exercise's start.
TEST_F(EndToEndTest, TheClickedExerciseRunsInTheNormalClassAndTheLaunchersSession)
{
    testing_support::PrivateXServer x;
    ASSERT_TRUE(x.running());
    QProcess startomo;
    const qulonglong launcher = startLauncherOnScreen(x, startomo);
    ASSERT_NE(launcher, 0u);
    x.click(launcher, testing_support::twipsCentre(2400, 960, 2055, 1455));   // Tastomat
    ASSERT_TRUE(startomo.waitForFinished(10000));
    qint64 pid = 0;
    ASSERT_TRUE(QTest::qWaitFor([&] { return (pid = findProcess("tastomat", dataDir())) != 0; }, 10000));
    const auto exercise = static_cast<pid_t>(pid);
    EXPECT_EQ(::sched_getscheduler(exercise), SCHED_OTHER);
    EXPECT_EQ(::getpgid(exercise), exercise);
    EXPECT_EQ(::getsid(exercise), ::getsid(0));
    ::kill(exercise, SIGKILL);
}

} // namespace

#include "end_to_end_fixture.h"

#include <QElapsedTimer>
#include <QProcess>

#include <csignal>

namespace {

// A launcher button and the real exercise it starts.
struct ExerciseButton {
    int index;              // in the launcher's grid
    const char* caption;
    const char* executable;
    bool scratchFile;       // it makes a scratch file at start
};

// The exercises of this build (CMake passes their names).
std::vector<ExerciseButton> builtExercises(bool withScratchFile)
{
    const ExerciseButton all[] = {{1, "Tastomat", "tastomat", true},
                                  {7, "Fugolin", "Fugolin", true},
                                  {0, "Plattix", "plattix", true},
                                  {3, "Baudrom: Buchstaben", "baudrom", false},
                                  {4, "Baudrom: Silben", "baudromsilben", false},
                                  {5, "Lesolum", "lesolum", false},
                                  {6, "Rateflor", "rateflor", false},
                                  {8, "Bogenblick", "bogenblick", false}};
    const QStringList built = QString(TAVORO_BUILT_EXERCISES).split(',');
    std::vector<ExerciseButton> found;
    for (const ExerciseButton& b : all)
        if (built.contains(b.executable) && (b.scratchFile || !withScratchFile))
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
    const qint64 pid = startFromLauncher(static_cast<std::size_t>(b.index), b.caption, b.executable);
    ASSERT_NE(pid, 0);
    EXPECT_EQ(arguments(pid).mid(1), QStringList({"Q /p=\"" + dataDir() + "\" /n=\"Max\""}));
    const QString log = dataDir() + "/Protokoll_2/Max.txt";
    EXPECT_TRUE(QTest::qWaitFor([&] { return holdsOpen(pid, log); }, 10000));
    ::kill(static_cast<pid_t>(pid), SIGKILL);
}

INSTANTIATE_TEST_SUITE_P(Exercises, ExerciseStartTest, testing::ValuesIn(builtExercises(false)), testName);

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

INSTANTIATE_TEST_SUITE_P(Exercises, SecondCopyTest, testing::ValuesIn(builtExercises(true)), testName);

} // namespace

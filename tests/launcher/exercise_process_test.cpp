#include "end_to_end_fixture.h"

#include "Form1.h"
#include "LauncherState.h"
#include "PictureButton.h"

#include "platform/forms/end.h"
#include "platform/real_services.h"

#include <csignal>

namespace {

// A launcher button and the real exercise it starts.
struct ExerciseButton {
    int index;   // in the launcher's grid
    const char* caption;
    const char* executable;
};

void PrintTo(const ExerciseButton& b, std::ostream* os)
{
    *os << b.executable;
}

class ExerciseStartTest : public EndToEndTest, public ::testing::WithParamInterface<ExerciseButton> {};

// The launcher window with the real process service starts the real exercise, which opens the
// pupil's log in the launcher's data folder.
TEST_P(ExerciseStartTest, TheButtonStartsTheExerciseWithThePupilsNameAndLog)
{
    const ExerciseButton b = GetParam();
    paths->program = QStringLiteral(TAVORO_SUITE_DIR);
    platform::services().processes = std::make_unique<platform::RealProcesses>(QStringList{});
    writeUserOptions(0);
    LauncherState state;
    state.CommandLine = "/n=\"Max\"";
    Form1 launcher(state);
    launcher.show();
    PictureButton* button = launcher.exerciseButtons[static_cast<std::size_t>(b.index)];
    ASSERT_EQ(button->text(), b.caption);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_TRUE(platform::programEnded());
    EXPECT_TRUE(messages->shown.empty());

    qint64 pid = 0;
    ASSERT_TRUE(QTest::qWaitFor([&] { return (pid = findProcess(b.executable, dataDir())) != 0; }, 10000));
    EXPECT_EQ(arguments(pid).mid(1), QStringList({"Q /p=\"" + dataDir() + "\" /n=\"Max\""}));
    const QString log = dataDir() + "/Protokoll_2/Max.txt";
    EXPECT_TRUE(QTest::qWaitFor([&] { return holdsOpen(pid, log); }, 10000));
    ::kill(static_cast<pid_t>(pid), SIGKILL);
}

// Each exercise adds its row once it is built (and its target to CMakeLists.txt).
INSTANTIATE_TEST_SUITE_P(Exercises, ExerciseStartTest,
                         ::testing::Values(ExerciseButton{6, "Rateflor", "rateflor"},
                                           ExerciseButton{8, "Bogenblick", "bogenblick"}),
                         [](const auto& info) { return std::string(info.param.executable); });

} // namespace

#include "end_to_end_fixture.h"

#include "Form1.h"
#include "LauncherState.h"
#include "PictureButton.h"

#include "platform/forms/end.h"
#include "platform/real_services.h"

#include <csignal>

// The launcher window with the real process service starts the real typewriter exercise.
TEST_F(EndToEndTest, TastomatStartsWithThePupilsNameAndOpensThePupilsLog)
{
    paths->program = QStringLiteral(TAVORO_SUITE_DIR);
    platform::services().processes = std::make_unique<platform::RealProcesses>(QStringList{});
    writeUserOptions(0);
    LauncherState state;
    state.CommandLine = "/n=\"Max\"";
    Form1 launcher(state);
    launcher.show();
    ASSERT_EQ(launcher.exerciseButtons[1]->text(), "Tastomat");
    QTest::mouseClick(launcher.exerciseButtons[1], Qt::LeftButton);
    EXPECT_TRUE(platform::programEnded());
    EXPECT_TRUE(messages->shown.empty());

    qint64 pid = 0;
    ASSERT_TRUE(QTest::qWaitFor([&] { return (pid = findProcess("tastomat", dataDir())) != 0; }, 10000));
    EXPECT_EQ(arguments(pid).mid(1), QStringList({"Q /p=\"" + dataDir() + "\" /n=\"Max\""}));
    const QString log = dataDir() + "/Protokoll_2/Max.txt";
    EXPECT_TRUE(QTest::qWaitFor([&] { return holdsOpen(pid, log); }, 10000));
    ::kill(static_cast<pid_t>(pid), SIGKILL);
}

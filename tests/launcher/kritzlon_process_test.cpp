#include "end_to_end_fixture.h"

#include "Form1.h"
#include "LauncherState.h"
#include "PictureButton.h"

#include "platform/forms/end.h"
#include "platform/real_services.h"

#include <QProcess>

#include <csignal>

// The launcher window with the real process service starts the real free writing exercise,
// which keeps its print-button setting in the pupil's data folder and runs only once.
TEST_F(EndToEndTest, KritzlonStartsWithThePupilsNameAndRunsOnce)
{
    paths->program = QStringLiteral(TAVORO_SUITE_DIR);
    platform::services().processes = std::make_unique<platform::RealProcesses>(QStringList{});
    writeUserOptions(0);
    LauncherState state;
    state.CommandLine = "/n=\"Max\"";
    Form1 launcher(state);
    launcher.show();
    ASSERT_EQ(launcher.exerciseButtons[2]->text(), "Kritzlon");
    QTest::mouseClick(launcher.exerciseButtons[2], Qt::LeftButton);
    EXPECT_TRUE(platform::programEnded());
    EXPECT_TRUE(messages->shown.empty()) << messages->texts().join("|").toStdString();

    qint64 pid = 0;
    ASSERT_TRUE(QTest::qWaitFor([&] { return (pid = findProcess("Kritzlon", dataDir())) != 0; }, 10000));
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

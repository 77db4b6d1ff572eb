#include "typewriter_fixture.h"

#include "platform/real_services.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QThread>

#include <csignal>

namespace {

// The scratch files of the typewriter in a temp folder.
QStringList scratchFiles(const QString& folder)
{
    return QDir(folder).entryList({"QLS*"}, QDir::Files);
}

QProcessEnvironment offscreen(const QString& appData, const QString& temp)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_DATA_HOME", appData);
    env.insert("TMPDIR", temp);
    return env;
}

bool waitFor(const std::function<bool()>& condition, int ms = 10000)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > ms)
            return false;
        QThread::msleep(20);
    }
    return true;
}

TEST_F(TypewriterTest, SecondCopyEndsAtOnceAndTouchesNoFile)
{
    const QString program = TAVORO_SUITE_DIR "/tastomat";
    QProcess first;
    first.setProcessEnvironment(offscreen(appDataDir(), paths->temp));
    first.start(program, {"Q"});
    ASSERT_TRUE(first.waitForStarted());
    // The first copy waits at the level dialog once it has made its scratch file.
    ASSERT_TRUE(waitFor([&] { return scratchFiles(paths->temp).size() == 1; }));
    const QStringList before = scratchFiles(paths->temp);

    QProcess second;
    second.setProcessEnvironment(offscreen(appDataDir(), paths->temp));
    QElapsedTimer took;
    took.start();
    second.start(program, {"Q"});
    EXPECT_TRUE(second.waitForFinished(10000));
    EXPECT_LT(took.elapsed(), 5000);
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(scratchFiles(paths->temp), before);
    EXPECT_EQ(first.state(), QProcess::Running);

    first.kill();
    first.waitForFinished();
}

TEST_F(TypewriterTest, EndingStartsTheRealLauncherWithThePupilsName)
{
    // The real launcher, kept to this test's data folder; it runs until the test ends it.
    QFile::remove(programDir() + "/startomo");
    copyFromSuite("startomo");
    qputenv("XDG_DATA_HOME", appDataDir().toLocal8Bit());
    options.ProtSave = 1;
    writeOptions(options);
    const QString arguments = QString("Q /p=\"%1\" /n=\"Anna\"").arg(appDataDir());
    platform::services().processes = std::make_unique<platform::RealProcesses>(QStringList{arguments});
    processes = nullptr;

    Form1& f = start(arguments);
    click(f.Ende);

    std::vector<std::pair<int, QStringList>> launchers;
    ASSERT_TRUE(waitFor([&] {
        launchers = testing_support::processesOf(programDir() + "/startomo");
        return !launchers.empty();
    }));
    ASSERT_EQ(launchers.size(), 1u);
    EXPECT_EQ(launchers[0].second.last(), "/n=\"Anna\"");
    ::kill(launchers[0].first, SIGTERM);
}

} // namespace

#include "free_writing_fixture.h"

#include "platform/forms/end.h"
#include "platform/real_services.h"

#include <QDir>

#include <csignal>

namespace {

TEST_F(FreeWritingTest, EndingStartsTheRealLauncherWithThePupilsName)
{
    // The real launcher, kept to this test's data folder; it runs until the test ends it.
    QFile::remove(programDir() + "/startomo");
    copyFromSuite("startomo");
    qputenv("XDG_DATA_HOME", appDataDir().toLocal8Bit());
    options.ProtSave = 1;
    writeOptions(options);
    const QString arguments = QString("Q /p=\"%1\" /n=\"Max\"").arg(appDataDir());
    platform::services().processes = std::make_unique<platform::RealProcesses>(QStringList{arguments});
    processes = nullptr;
    Form1& f = start(arguments);
    click(f.Ende);
    EXPECT_TRUE(platform::programEnded());

    std::vector<std::pair<int, QStringList>> launchers;
    ASSERT_TRUE(QTest::qWaitFor([&] {
        launchers = testing_support::processesOf(programDir() + "/startomo");
        return !launchers.empty();
    }, 10000));
    ASSERT_EQ(launchers.size(), 1u);
    EXPECT_EQ(launchers[0].second.mid(1), QStringList{"/n=\"Max\""});
    ::kill(launchers[0].first, SIGTERM);
}

} // namespace

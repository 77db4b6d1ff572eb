#include "typewriter_fixture.h"

#include "platform/real_services.h"

#include <csignal>

namespace {

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
    ASSERT_TRUE(QTest::qWaitFor([&] {
        launchers = testing_support::processesOf(programDir() + "/startomo");
        return !launchers.empty();
    }, 10000));
    ASSERT_EQ(launchers.size(), 1u);
    EXPECT_EQ(launchers[0].second.last(), "/n=\"Anna\"");
    ::kill(launchers[0].first, SIGTERM);
}

} // namespace

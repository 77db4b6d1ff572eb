#include "plattix_fixture.h"

#include "platform/real_services.h"

namespace {

TEST_F(PlattixTest, ExitStartsTheRealLauncherWithThePupilsName)
{
    // The real launcher, kept to this test's data folder; it runs until the test ends it.
    QFile::remove(programDir() + "/startomo");
    copyFromSuite("startomo");
    const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", appDataDir().toLocal8Bit());
    options.ProtSave = 1;
    writeOptions();
    const QString arguments = QString("Q /p=\"%1\" /n=\"Lena\"").arg(appDataDir());
    platform::services().processes = std::make_unique<platform::RealProcesses>(QStringList{arguments});
    processes = nullptr;

    Form1& f = start(arguments);
    buildWord();
    click(f.Exitknopf);

    const std::vector<QStringList> launchers = testing_support::endStartedLaunchers(programDir());
    qputenv("XDG_DATA_HOME", dataHome);
    ASSERT_EQ(launchers.size(), 1u);
    EXPECT_EQ(launchers[0].last(), "/n=\"Lena\"");
}

} // namespace

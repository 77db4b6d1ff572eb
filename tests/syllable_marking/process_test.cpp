#include "marking_fixture.h"

#include "platform/real_services.h"

#include <QDir>

#include <csignal>

namespace {

// Running launchers of this program folder, with their argument strings.
std::vector<std::pair<int, QString>> launchersIn(const QString& folder)
{
    std::vector<std::pair<int, QString>> found;
    for (const QString& pid : QDir("/proc").entryList(QDir::Dirs)) {
        if (QFileInfo("/proc/" + pid + "/exe").symLinkTarget() != folder + "/startomo")
            continue;
        QFile cmdline("/proc/" + pid + "/cmdline");
        if (cmdline.open(QIODevice::ReadOnly))
            found.emplace_back(pid.toInt(),
                               QString::fromLocal8Bit(cmdline.readAll()).split(QChar(0), Qt::SkipEmptyParts).last());
    }
    return found;
}

TEST_F(MarkingTest, EndingStartsTheRealLauncherWithThePupilsName)
{
    // The real launcher, kept to this test's data folder; it runs until the test ends it.
    QFile::remove(programDir() + "/startomo");
    copyFromSuite("startomo");
    const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", appDataDir().toLocal8Bit());
    options.ProtSave = 1;
    writeOptions(options);
    const QString arguments = QString("Q /p=\"%1\" /n=\"Anna\"").arg(appDataDir());
    platform::services().processes = std::make_unique<platform::RealProcesses>(QStringList{arguments});
    processes = nullptr;

    Form1& f = start(arguments);
    click(f.Ende);

    std::vector<std::pair<int, QString>> launchers;
    ASSERT_TRUE(QTest::qWaitFor([&] { return !(launchers = launchersIn(programDir())).empty(); }, 10000));
    ASSERT_EQ(launchers.size(), 1u);
    EXPECT_EQ(launchers[0].second, "/n=\"Anna\"");
    ::kill(launchers[0].first, SIGTERM);
    qputenv("XDG_DATA_HOME", dataHome);
}

} // namespace

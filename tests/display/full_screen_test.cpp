#include "fixture.h"
#include "xserver.h"

#include "platform/files.h"

#include <QDir>
#include <QProcess>
#include <QTest>

#include <csignal>

using testing_support::PrivateXServer;

namespace {

const QString kLauncher = QString::fromUtf8("QL Tavoro ;   <F6> für Lehrermenü");
const QString kBackdrop = "Hintergrund";
const QRect kScreen(0, 0, 1920, 1080);

// The real launcher of the built program folder on a wide screen, started from a folder of the
// test's own with a data folder of its own.
class OnScreenLauncher : public testing_support::SuiteTest {
protected:
    OnScreenLauncher() : server({1920, 1080})
    {
        QDir().mkpath(dataDir());
        // The backup equals the central file, so the user's options below are kept.
        QFile::copy(suite("options4.ini"), dataDir() + "/options4.bak");
    }
    ~OnScreenLauncher() override
    {
        if (launcher.state() != QProcess::NotRunning) {
            launcher.kill();
            launcher.waitForFinished(5000);
        }
    }

    static QString suite(const QString& name) { return QStringLiteral(TAVORO_SUITE_DIR "/") + name; }

    struct Options {
        int backdrop = 0, taskbarVisible = -1, fullScreen = 0;
    };

    void start(const Options& o)
    {
        QStringList lines = platform::readTextFile(suite("options4.ini")).lines;
        lines[0] = lines[1] = platform::formatNumber(o.backdrop);
        lines[2] = platform::formatNumber(o.taskbarVisible);
        lines[3] = platform::formatNumber(o.fullScreen);
        lines[10] = platform::formatNumber(0);
        writeFile(dataDir() + "/options4.ini", lines);
        QProcessEnvironment environment = server.environment();
        environment.insert("XDG_DATA_HOME", appDataDir());
        launcher.setProcessEnvironment(environment);
        launcher.setWorkingDirectory(root.path());
        launcher.start(suite("startomo"), {});
        ASSERT_TRUE(launcher.waitForStarted(10000));
    }

    // The backdrop and the launcher window once both are shown.
    void waitForWindows(QRect& backdrop, QRect& window, qulonglong& backdropId, qulonglong& windowId)
    {
        windowId = server.waitForWindow(kLauncher, 30000);
        backdropId = server.waitForWindow(kBackdrop, 30000);
        ASSERT_NE(windowId, 0u);
        ASSERT_NE(backdropId, 0u);
        backdrop = server.geometry(backdropId);
        window = server.geometry(windowId);
    }

    PrivateXServer server;
    QProcess launcher;
};

} // namespace

TEST_F(OnScreenLauncher, FullScreenOnAWideScreenIsCoveredByTheBackdropWithTheLauncherCentred)
{
    start({.backdrop = -1, .taskbarVisible = -1, .fullScreen = -1});
    QRect backdrop, window;
    qulonglong backdropId = 0, windowId = 0;
    waitForWindows(backdrop, window, backdropId, windowId);
    EXPECT_EQ(backdrop, kScreen) << backdrop.width() << " x " << backdrop.height() << " at " << backdrop.x();
    EXPECT_TRUE(kScreen.contains(window)) << window.x() << ", " << window.y();
    // The 640 x 480 layout scaled by the screen's height (1080 / 480) and centred on the screen;
    // with no window manager here the window's nominal frame (border, caption) is not drawn.
    EXPECT_NEAR(window.width(), 9105 * 2.25 / 15, 2);
    EXPECT_NEAR(window.center().x(), kScreen.center().x(), 60 * 2.25 / 15 + 1);
    EXPECT_NEAR(window.center().y(), kScreen.center().y(), (345 + 60) * 2.25 / 15 + 1);
    ::kill(static_cast<pid_t>(launcher.processId()), SIGTERM);
    EXPECT_TRUE(launcher.waitForFinished(10000));
}

// Without the taskbar the backdrop covers the screen in the full-screen state, above any panel;
// whatever ends the launcher ("Ende" or the session's end), nothing of it stays on the screen.
TEST_F(OnScreenLauncher, WithTheTaskbarHiddenTheBackdropIsFullScreenUntilTheLauncherEnds)
{
    for (const bool byEnde : {true, false}) {
        start({.backdrop = -1, .taskbarVisible = 0});
        QRect backdrop, window;
        qulonglong backdropId = 0, windowId = 0;
        waitForWindows(backdrop, window, backdropId, windowId);
        EXPECT_EQ(backdrop, kScreen);
        EXPECT_TRUE(server.fullScreen(backdropId));
        EXPECT_TRUE(backdrop.contains(window));
        if (byEnde)   // "Ende" (Command8): 6720, 4440 twips, 2055 x 735, at 15 twips a pixel
            server.click(windowId, {(6720 + 2055 / 2) / 15, (4440 + 735 / 2) / 15});
        else
            ::kill(static_cast<pid_t>(launcher.processId()), SIGTERM);
        ASSERT_TRUE(launcher.waitForFinished(20000)) << byEnde;
        EXPECT_EQ(launcher.exitCode(), 0);
        EXPECT_TRUE(server.visibleWindows().isEmpty()) << byEnde;
    }
}

// With the taskbar shown the backdrop leaves the desktop's panel free: it covers the work area the
// desktop announces, in no full-screen state, and the launcher lies inside it.
TEST_F(OnScreenLauncher, WithTheTaskbarVisibleTheBackdropCoversTheWorkAreaBesideThePanel)
{
    const QRect workArea(0, 0, 1920, 1040);   // a panel 40 pixels high at the bottom
    server.setWorkArea(workArea);
    start({.backdrop = -1, .taskbarVisible = -1});
    QRect backdrop, window;
    qulonglong backdropId = 0, windowId = 0;
    waitForWindows(backdrop, window, backdropId, windowId);
    EXPECT_EQ(backdrop, workArea) << backdrop.width() << " x " << backdrop.height();
    EXPECT_FALSE(server.fullScreen(backdropId));
    EXPECT_TRUE(workArea.contains(window)) << window.x() << ", " << window.y();
    ::kill(static_cast<pid_t>(launcher.processId()), SIGTERM);
    EXPECT_TRUE(launcher.waitForFinished(10000));
}

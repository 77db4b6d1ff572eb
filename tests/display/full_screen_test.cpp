#include "on_screen_launcher.h"

#include <QTest>

#include <csignal>

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

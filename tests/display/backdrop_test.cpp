// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The windows a pupil or teacher meets over the full-screen backdrop, on an X server without a
// window manager (as on a kiosk) and with one: each stands wholly in front of the backdrop and
// takes clicks.
#include "tests/display/on_screen_launcher.h"

#include <QTest>

#include <csignal>

using testing_support::twipsCentre;

namespace {

// A point given in pixels of the normal layout, in a window drawn `scale` times as large.
QPoint scaled(QPoint pixel, double scale)
{
    return {qRound(pixel.x() * scale), qRound(pixel.y() * scale)};
}

class BackdropOnScreen : public OnScreenLauncher {
protected:
    using OnScreenLauncher::OnScreenLauncher;

    // F6 shows the teacher menu; a click on "Lehrermenü" opens it, and its last item is "Optionen".
    qulonglong openOptions(qulonglong window) const
    {
        const int height = server.geometry(window).height();
        server.key(window, {"F6"});
        if (!QTest::qWaitFor([&] { return server.geometry(window).height() > height; }, 10000))
            return 0;
        // On the menu's caption, at the bar's left end in both sizes of the layout.
        server.click(window, {30, 9});
        server.key(0, {"Up", "Return"});
        return windowInFront("Optionen");
    }

    // Turns "Vollbild" over and presses OK; true once the dialog has gone.
    bool toggleFullScreen(qulonglong options) const
    {
        const double scale = server.geometry(options).width() / 601.0;
        server.click(options, scaled(twipsCentre(4920, 1320, 240, 375), scale));   // "Vollbild"
        server.click(options, scaled(twipsCentre(2520, 4320, 1815, 375), scale));  // OK
        return QTest::qWaitFor([&] { return !server.visibleWindows().contains(options); }, 10000);
    }
};

// A window manager raises what is clicked; the backdrop lies behind everything else there is.
class BackdropWithWindowManager : public BackdropOnScreen {
protected:
    BackdropWithWindowManager() : BackdropOnScreen(testing_support::PrivateXServer::WindowManager::Openbox) {}
};

const QPoint kBackdropCorner(5, 5);

} // namespace

// "Vollbild" turned on and off again with the backdrop on: after each OK the launcher's window
// comes back in front of the new backdrop, and the clicks reach it, the last one its "Ende".
TEST_F(BackdropOnScreen, TheLauncherRestartedByTheOptionsStandsInFrontOfItsBackdrop)
{
    start({.backdrop = -1, .taskbarVisible = 0});
    qulonglong window = windowInFront(kLauncher);
    ASSERT_NE(window, 0u);
    for (const bool fullScreen : {true, false}) {
        const qulonglong options = openOptions(window);
        ASSERT_NE(options, 0u) << fullScreen;
        ASSERT_TRUE(toggleFullScreen(options)) << fullScreen;
        window = windowInFront(kLauncher);
        ASSERT_NE(window, 0u) << fullScreen;
        const QRect place = server.geometry(window);
        EXPECT_TRUE(kScreen.contains(place)) << place.x() << ", " << place.y();
        EXPECT_EQ(place.width() > 9105 / 15, fullScreen) << place.width();
    }
    // "Ende" (Command8): 6720, 4440 twips, 2055 x 735.
    server.click(window, twipsCentre(6720, 4440, 2055, 735));
    ASSERT_TRUE(launcher.waitForFinished(20000));
    EXPECT_EQ(launcher.exitCode(), 0);
}

// A second start calls the running launcher to the front: its window gets the keys and stands in
// front, not its backdrop.
TEST_F(BackdropOnScreen, ASecondStartCallsTheLauncherInFrontOfItsBackdrop)
{
    start({.backdrop = -1, .taskbarVisible = 0});
    const qulonglong window = windowInFront(kLauncher);
    ASSERT_NE(window, 0u);
    QProcess second;
    start(second, {.backdrop = -1, .taskbarVisible = 0}, "startomo", {});
    ASSERT_TRUE(second.waitForFinished(20000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.focusWindow() == window; }, 10000));
    EXPECT_TRUE(server.inFront(window));
    server.click(window, twipsCentre(6720, 4440, 2055, 735));   // "Ende"
    ASSERT_TRUE(launcher.waitForFinished(20000));
}

// The typewriter over its backdrop: the level dialog, the message that no own pictures are
// there, and then the exercise's window, each wholly in front and answering a click.
TEST_F(BackdropOnScreen, AnExercisesDialogAndMessageStandInFrontOfItsBackdrop)
{
    start(exercise, {.backdrop = -1, .taskbarVisible = 0}, "tastomat", {"Q"});
    const qulonglong level = windowInFront("QL Tastomat");
    ASSERT_NE(level, 0u);
    // "Wörter mit eigenen Bildern": the program folder has none for the typewriter.
    server.click(level, twipsCentre(375, 1125 + 3 * 840, 5775, 675));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !server.visibleWindows().contains(level); }, 10000));
    const qulonglong message = windowInFront("QL Tastomat");
    ASSERT_NE(message, 0u);
    EXPECT_GT(testing_support::colourCount(server.grab(message), {{0, 0}, server.geometry(message).size()}), 20);
    // OK, at the message's bottom right.
    const QRect box = server.geometry(message);
    server.click(message, {box.width() - 50, box.height() - 23});
    EXPECT_NE(windowInFront(QString::fromUtf8("QL Tastomat ;   <F6> für Lehrermenü")), 0u);
    ::kill(static_cast<pid_t>(exercise.processId()), SIGTERM);
    EXPECT_TRUE(exercise.waitForFinished(10000));
}

// Clicks on the backdrop with a window manager: the launcher, the options dialog and the launcher
// restarted by it come back in front, and take the clicks that follow.
TEST_F(BackdropWithWindowManager, AClickOnTheBackdropLeavesTheLaunchersWindowsInFront)
{
    ASSERT_TRUE(server.running()) << "scripts/setup installs openbox";
    start({.backdrop = -1, .taskbarVisible = 0});
    qulonglong window = windowInFront(kLauncher);
    ASSERT_NE(window, 0u);
    const qulonglong backdrop = server.waitForWindow(kBackdrop);
    ASSERT_TRUE(server.clickActivating(backdrop, kBackdropCorner));
    ASSERT_EQ(windowInFront(kLauncher), window);
    const qulonglong options = openOptions(window);
    ASSERT_NE(options, 0u);
    ASSERT_TRUE(server.clickActivating(backdrop, kBackdropCorner));
    ASSERT_EQ(windowInFront("Optionen"), options);
    ASSERT_TRUE(toggleFullScreen(options));
    window = windowInFront(kLauncher);
    ASSERT_NE(window, 0u);
    ASSERT_TRUE(server.clickActivating(server.waitForWindow(kBackdrop), kBackdropCorner));
    ASSERT_EQ(windowInFront(kLauncher), window);
    const double scale = server.geometry(window).width() / 607.0;
    server.click(window, scaled(twipsCentre(6720, 4440, 2055, 735), scale));   // "Ende"
    ASSERT_TRUE(launcher.waitForFinished(20000));
    EXPECT_EQ(launcher.exitCode(), 0);
}

// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/display/on_screen_launcher.h"

#include <QTest>

#include <csignal>

namespace {

// Where a picture is drawn inside `area`: the bounds of its colourful pixels (the buttons, their
// captions and the window's ground are grey or black).
QRect colourfulBounds(const QImage& image, const QRect& area)
{
    QRect bounds;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::max({c.red(), c.green(), c.blue()}) - std::min({c.red(), c.green(), c.blue()}) > 40)
                bounds |= QRect(x, y, 1, 1);
        }
    return bounds;
}

// How many rows from the top of the image down hold dark pixels before the first row without
// any: the ink of the menu bar's captions.
int inkRowsAtTheTop(const QImage& image)
{
    int top = -1;
    for (int y = 0; y < image.height(); ++y) {
        bool dark = false;
        for (int x = 0; x < image.width() && !dark; ++x)
            dark = qGray(image.pixel(x, y)) < 100;
        if (dark && top < 0)
            top = y;
        if (!dark && top >= 0)
            return y - top;
    }
    return 0;
}

// What the window shows once `drawn` holds for it; a null image when it never does.
template <class Predicate>
QImage grabWhen(const testing_support::PrivateXServer& server, qulonglong window, Predicate drawn)
{
    QImage shown;
    const bool done = QTest::qWaitFor([&] { return !(shown = server.grab(window)).isNull() && drawn(shown); }, 30000);
    return done ? shown : QImage();
}

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

// "Vollbild" on a 1920 x 1080 screen makes the window 2.25 times as large; what it draws grows with
// it, read off the screen: the picture of the "Plattix" button, and with F6 the teacher menu's bar.
TEST_F(OnScreenLauncher, InFullScreenTheButtonPicturesAndTheMenuBarGrowWithTheWindow)
{
    struct Seen {
        double factor;   // the window's width to the layout's
        QSize picture;
        int menuInk;
    };
    const auto look = [&](int fullScreen) {
        start({.fullScreen = fullScreen});
        const qulonglong window = server.waitForWindow(kLauncher);
        EXPECT_NE(window, 0u);
        const double factor = server.geometry(window).width() / (9105 / 15.0);
        // "Plattix" (Command1): 240, 960 twips, 2055 x 1455
        const QRect button = QRectF(240 * factor / 15, 960 * factor / 15, 2055 * factor / 15, 1455 * factor / 15)
                                 .toAlignedRect();
        const QImage shown = grabWhen(server, window, [&](const QImage& i) { return !colourfulBounds(i, button).isEmpty(); });
        const QSize picture = colourfulBounds(shown, button).size();
        const int height = server.geometry(window).height();
        server.key(window, {"F6"});
        const QImage withMenu = grabWhen(server, window, [&](const QImage& i) { return i.height() != height; });
        const int menuInk = inkRowsAtTheTop(withMenu);
        ::kill(static_cast<pid_t>(launcher.processId()), SIGTERM);
        EXPECT_TRUE(launcher.waitForFinished(10000));
        return Seen{factor, picture, menuInk};
    };
    const Seen normal = look(0);
    const Seen full = look(-1);
    EXPECT_NEAR(normal.factor, 1, 0.01);
    EXPECT_NEAR(full.factor, 2.25, 0.01);
    EXPECT_GT(normal.picture.width(), 40);
    EXPECT_NEAR(full.picture.width(), normal.picture.width() * 2.25, 3) << normal.picture.width();
    EXPECT_NEAR(full.picture.height(), normal.picture.height() * 2.25, 3) << normal.picture.height();
    EXPECT_GT(normal.menuInk, 5);
    EXPECT_NEAR(full.menuInk, normal.menuInk * 2.25, 2) << normal.menuInk;
}

// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The real launcher started from a folder that is not the program folder, on a private X server
// without a window manager or a browser: its help shows in the suite's own window.
#include "tests/launcher/end_to_end_fixture.h"

#include "tests/support/xserver.h"

#include <QProcess>

namespace {

using testing_support::PrivateXServer;
using testing_support::colourCount;
using testing_support::twipsCentre;

// The share of pure white pixels in the area: the page's ground, where the page is on top.
double whiteShare(const QImage& image, const QRect& area)
{
    int white = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            white += image.pixel(x, y) == qRgb(255, 255, 255) ? 1 : 0;
    return double(white) / (area.width() * area.height());
}

TEST_F(EndToEndTest, F1ShowsTheHelpPageAboveTheLauncherAndItsBackdropUntilTheLauncherEnds)
{
    PrivateXServer x({1920, 1080});
    ASSERT_TRUE(x.running());
    QProcess startomo;
    // Full-screen backdrop behind the launcher.
    const qulonglong launcher = startLauncherOnScreen(x, startomo, {{0, 0}, {1, -1}, {2, 0}, {3, 0}, {10, 1}});
    ASSERT_NE(launcher, 0u);

    x.key(launcher, {"F6", "F1"});
    const QString title = "Tavoro – Hilfe zum Programmpaket";
    const qulonglong help = x.waitForWindow(title);
    ASSERT_NE(help, 0u);
    const QRect place = x.geometry(help);
    EXPECT_TRUE(QRect(0, 0, 1920, 1080).contains(place));
    EXPECT_GE(place.width(), 600);
    // What the screen shows there is the page, not the launcher or the black backdrop.
    const QImage page = x.grab(help);
    const QRect text(20, 20, page.width() - 40, page.height() / 2);
    EXPECT_GT(colourCount(page, text), 20);
    EXPECT_GT(whiteShare(page, text), 0.5);

    // Without a window manager's close box, Escape closes it; the next F1 shows it again.
    x.key(help, {"Escape"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return !x.visibleWindows().contains(help); }, 10000));
    x.key(launcher, {"F1"});
    const qulonglong again = x.waitForWindow(title);
    ASSERT_NE(again, 0u);

    // Moved aside, it leaves the launcher's "Ende" free; the open help does not keep the launcher.
    x.move(again, {0, 0});
    ASSERT_TRUE(QTest::qWaitFor([&] { return x.geometry(again).topLeft() == QPoint(0, 0); }, 10000));
    x.click(launcher, twipsCentre(6720, 4440 + 270, 2055, 735));
    ASSERT_TRUE(startomo.waitForFinished(10000));
    EXPECT_EQ(startomo.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(startomo.exitCode(), 0);
    EXPECT_FALSE(x.visibleWindows().contains(again));
}

} // namespace

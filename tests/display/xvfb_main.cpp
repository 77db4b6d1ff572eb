// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/xserver.h"

#include "platform/forms/application.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>

// These tests show real forms on an X server of this process's own (1920 x 1080), so what other
// programs on the machine show never meets them; listing the tests needs none.
int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    QTemporaryDir dataHome;
    qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
    if (::testing::GTEST_FLAG(list_tests)) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        platform::Application app(argc, argv);
        return RUN_ALL_TESTS();
    }
    const testing_support::PrivateXServer server({1920, 1080});
    if (!server.running()) {
        std::fprintf(stderr, "No X server: scripts/setup installs xvfb.\n");
        return 1;
    }
    qputenv("DISPLAY", server.environment().value("DISPLAY").toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "xcb");
    qunsetenv("XAUTHORITY");
    qunsetenv("WAYLAND_DISPLAY");
    platform::Application app(argc, argv);
    return RUN_ALL_TESTS();
}

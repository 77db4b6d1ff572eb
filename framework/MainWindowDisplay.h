// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/Hintergrund.h"
#include "framework/SuiteOptions.h"

#include <memory>

// The display options of the launcher and the task manager. Without `taskbarVisible` the
// backdrop hides the taskbar and covers the whole screen.
struct MainWindowDisplayOptions {
    bool fullScreen = false;
    bool backdrop = false;
    bool taskbarVisible = false;
};

// Suite options lines 2 to 4, which the task manager's options files hold too.
MainWindowDisplayOptions displayOptions(const SuiteOptions& options);

// The display around the launcher's or the task manager's main window: the 640 x 480 mode, the
// black backdrop behind the window and the hidden taskbar as the options ask, and all of it
// undone when the window unloads.
class MainWindowDisplay {
public:
    enum class Placement { Keep, Centre };

    explicit MainWindowDisplay(platform::Form& owner) : owner_(owner) {}

    // `Centre` centres the window on the screen of the mode just set. The window has a
    // minimize box only without the backdrop.
    void setUp(const MainWindowDisplayOptions& options, Placement placement);
    // At the window's unload: the backdrop goes, the former mode and the taskbar return.
    void tearDown();

private:
    platform::Form& owner_;
    std::unique_ptr<Hintergrund> backdrop_;
    bool resolutionChanged_ = false;
};

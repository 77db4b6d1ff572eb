#pragma once

#include "framework/Hintergrund.h"

#include <memory>

// The display options of the launcher and the task manager as their options files hold them:
// -1 for on. `taskbarVisible` 0 hides the taskbar and lets the backdrop cover the whole screen.
struct MainWindowDisplayOptions {
    int fullScreen = 0;
    int backdrop = 0;
    int taskbarVisible = 0;
};

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

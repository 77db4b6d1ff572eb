// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bench/startup/screen_watch.h"

#include "tests/support/xserver.h"

#include <QPoint>
#include <QProcess>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <sys/types.h>

// One start, timed to its first painted window.
struct Measure {
    double ms = 0;
    double peakRssMb = 0;   // the process's peak resident memory when its window showed painted
    std::string title;      // of that window
};

// A start of an executable on the private X server: its command line (the executable's path, then
// its arguments) and the environment it is given.
struct Command {
    std::vector<std::string> line;
    std::vector<std::string> environment;
};

// Starts programs on the private X server and times them to their first painted window, each
// process ended at once after, so that none runs beside the next start.
class Starter {
public:
    Starter(const testing_support::PrivateXServer& server, ScreenWatch& watch)
        : server_(server), watch_(watch) {}

    // The environment of a desktop session on the private X server with the user's application
    // data folder `appData` and a temp and runtime folder of its own at `temp`.
    std::vector<std::string> environment(const std::string& appData, const std::string& temp) const;
    // From the start of the process to its first painted window.
    std::optional<Measure> direct(const Command& command);
    // From a real click (xdotool) on the exercise button at `button` (a pixel of the window) in the
    // window of the launcher that `launcher` starts, to the first painted window of the program it
    // starts. `passed` receives the arguments that program was given.
    std::optional<Measure> click(const Command& launcher, QPoint button, std::vector<std::string>* passed = nullptr);

private:
    pid_t spawn(const Command& command) const;
    // A real click at the pixel of the window, in two steps: the press, then the release, whose
    // tool is returned still running, so that nothing waits for it before the clicked button's
    // work is watched; `released` is when the server took the release.
    std::unique_ptr<QProcess> clickAt(xcb_window_t window, QPoint pixel,
                                      std::optional<ScreenWatch::Clock::time_point>& released) const;
    // The measure of the painted window, its process stopped at once so its memory is as it was.
    static Measure measure(const ScreenWatch::Painted& window, ScreenWatch::Clock::time_point from);
    void settle();

    const testing_support::PrivateXServer& server_;
    ScreenWatch& watch_;
};

// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <xcb/xcb.h>

#include <chrono>
#include <functional>
#include <map>
#include <optional>
#include <string>

#include <sys/types.h>

// Watches the top-level windows of an X server from outside the programs, as a second client:
// which are mapped, and when one first shows what its program drew. A suite or Qt window has no
// background of its own, so until its program has drawn into it, it shows the black of the empty
// screen beneath it; the server reports every drawing into it (the DAMAGE extension), and the
// window counts as painted at the first report after which its content is not all black.
class ScreenWatch {
public:
    using Clock = std::chrono::steady_clock;

    explicit ScreenWatch(const std::string& display);
    ~ScreenWatch();
    ScreenWatch(const ScreenWatch&) = delete;
    ScreenWatch& operator=(const ScreenWatch&) = delete;

    // Connected, with the DAMAGE extension, and watching the screen's top-level windows.
    bool watching() const { return damageEvent_ != 0; }

    struct Painted {
        xcb_window_t window = 0;
        pid_t pid = 0;   // the process that shows it, as it names itself on the window
        std::string title;
        Clock::time_point at;
    };
    // The first window of a process that `whose` accepts that is mapped and painted; none when
    // there is none by `deadline`.
    std::optional<Painted> firstPaintedWindow(const std::function<bool(pid_t)>& whose,
                                              Clock::time_point deadline);
    // When the pointer's first button is down (`down`) or up, as the server has taken the input;
    // none when it is not so by `deadline`.
    std::optional<Clock::time_point> waitForButton(bool down, Clock::time_point deadline) const;
    // False when a top-level window is still mapped at `deadline`.
    bool waitUntilNoWindow(Clock::time_point deadline);

private:
    struct Window {
        bool mapped = false;
        pid_t pid = 0;
    };

    // Handles one event; the window that it shows painted, of a process that `whose` accepts.
    std::optional<xcb_window_t> handle(const xcb_generic_event_t& event, const std::function<bool(pid_t)>& whose);
    bool waitForEvent(Clock::time_point deadline) const;
    bool painted(xcb_window_t window) const;
    pid_t processOf(xcb_window_t window);
    std::string titleOf(xcb_window_t window) const;
    xcb_atom_t atom(const char* name) const;

    xcb_connection_t* connection_ = nullptr;
    xcb_window_t root_ = 0;
    uint8_t damageEvent_ = 0;
    xcb_atom_t pidAtom_ = 0;
    xcb_atom_t nameAtom_ = 0;
    xcb_atom_t utf8Atom_ = 0;
    std::map<xcb_window_t, Window> windows_;
};

#pragma once

#include "Hintergrund.h"

#include <memory>

// The black backdrop behind the launcher's or the task manager's own window.
class Backdrop {
public:
    explicit Backdrop(platform::Form& owner) : owner_(owner) {}

    // `taskbarVisible` is the option TVis; the backdrop covers the work area or the whole screen,
    // also in the 640 x 480 mode.
    void show(int taskbarVisible);
    void remove();

private:
    platform::Form& owner_;
    std::unique_ptr<Hintergrund> form_;
};

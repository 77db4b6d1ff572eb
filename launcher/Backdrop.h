#pragma once

#include "Hintergrund.h"

#include <memory>

// The black backdrop behind the launcher's or the task manager's own window.
class Backdrop {
public:
    explicit Backdrop(platform::Form& owner) : owner_(owner) {}

    // `taskbarVisible` is the option TVis; in the 640 x 480 mode the backdrop covers exactly
    // that screen.
    void show(int taskbarVisible, bool lowResolution);
    void remove();

private:
    platform::Form& owner_;
    std::unique_ptr<Hintergrund> form_;
};

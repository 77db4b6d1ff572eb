// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/forms/form.h"

#include <optional>

// F6 shows and hides a program's teacher menu ("Lehrermenü"), wherever the focus is.
namespace TeacherMenu {

// The window's height in twips with the menu shown and hidden, for a window whose layout
// changes with the menu.
struct Heights {
    int shown = 0;
    int hidden = 0;
};

// At F6 (keyCode from Form_KeyDown): shows the hidden menu or hides the shown one; the window
// grows or shrinks by the menu bar, or takes the given height. Returns whether the menu shows
// now; nullopt for another key.
std::optional<bool> toggleOnF6(platform::Form& form, int keyCode, QMenu* menu,
                               std::optional<Heights> heights = std::nullopt);

} // namespace TeacherMenu

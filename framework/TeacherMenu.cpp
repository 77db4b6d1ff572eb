// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/TeacherMenu.h"

#include "platform/forms/application.h"

namespace TeacherMenu {

std::optional<bool> toggleOnF6(platform::Form& form, int keyCode, QMenu* menu, std::optional<Heights> heights)
{
    if (keyCode != platform::kKeyF6)
        return std::nullopt;
    const bool show = !platform::Form::menuVisible(menu);
    platform::Form::setMenuVisible(menu, show);
    if (heights)
        form.setHeightTwips(show ? heights->shown : heights->hidden);
    else
        form.setHeightTwips(form.heightTwips() + (show ? platform::Form::kMenuBarTwips : -platform::Form::kMenuBarTwips));
    return show;
}

} // namespace TeacherMenu

// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/forms/button.h"

namespace launcher {

// A large exercise button: its picture fills the button above the caption.
class PictureButton : public platform::Button {
    Q_OBJECT
public:
    PictureButton(const QString& caption, const QIcon& picture, QWidget* parent);
    bool hasPicture() const { return !icon().isNull(); }
};

} // namespace launcher

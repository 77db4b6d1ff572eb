// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "launcher/PictureButton.h"

namespace launcher {

PictureButton::PictureButton(const QString& caption, const QIcon& picture, QWidget* parent)
    : Button(caption, parent)
{
    setIcon(picture);
    // As large as the button allows; the button scales it down to leave room for the caption.
    setIconSize(QSize(4096, 4096));
}

} // namespace launcher

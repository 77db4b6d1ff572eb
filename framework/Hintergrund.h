// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/forms/form.h"

#include <QPointer>

class QWindow;

// The black backdrop behind the exercise's main window: covers the work area (the taskbar stays
// visible, option TVis) or the whole screen and becomes the main window's owner, so the main
// window stays in front of it. Whenever the backdrop itself comes to the front (it shows, or a
// window manager raises it at a click), the program's other windows go back in front of it;
// a window that shows later comes to the front by itself (platform::Application).
class Hintergrund : public platform::Form {
    Q_OBJECT
public:
    Hintergrund(bool taskbarVisible, platform::Form& mainWindow);

    // Gives the main window back the owner it had before the backdrop took over.
    void restoreOwner();

protected:
    void Form_Load() override;
    bool Form_QueryUnload(platform::UnloadMode mode) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void place();

    const bool taskbarVisible_;
    platform::Form& mainWindow_;
    QPointer<QWindow> savedOwner_;
};

// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/MainWindowDisplay.h"

#include "framework/TRAVEK.h"

#include "platform/services.h"

MainWindowDisplayOptions displayOptions(const SuiteOptions& options)
{
    return {.fullScreen = options.fullScreen(),
            .backdrop = options.startBackdrop(),
            .taskbarVisible = options.taskbarVisible()};
}

void MainWindowDisplay::setUp(const MainWindowDisplayOptions& options, Placement placement)
{
    platform::Display& display = *platform::services().display;
    if (options.fullScreen) {
        display.setLowResolution(true);
        resolutionChanged_ = true;
    }
    if (placement == Placement::Centre)
        owner_.centerOnScreen();
    owner_.setMinimizeBox(!options.backdrop);
    if (!options.backdrop)
        return;
    backdrop_ = std::make_unique<Hintergrund>(options.taskbarVisible, owner_);
    backdrop_->load();
    backdrop_->show();
    if (!options.taskbarVisible)
        display.setTaskbarVisible(false);
}

void MainWindowDisplay::tearDown()
{
    if (backdrop_ && TRAVEK::FormLoaded(QStringLiteral("Hintergrund"))) {
        backdrop_->restoreOwner();
        backdrop_->unload();
    }
    platform::Display& display = *platform::services().display;
    if (resolutionChanged_) {
        display.setLowResolution(false);
        resolutionChanged_ = false;
    }
    display.setTaskbarVisible(true);
}

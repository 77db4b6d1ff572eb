#include "framework/MainWindowDisplay.h"

#include "framework/TRAVEK.h"

#include "platform/services.h"

void MainWindowDisplay::setUp(const MainWindowDisplayOptions& options, Placement placement)
{
    platform::Display& display = *platform::services().display;
    if (options.fullScreen == -1) {
        display.setLowResolution(true);
        resolutionChanged_ = true;
    }
    if (placement == Placement::Centre)
        owner_.centerOnScreen();
    owner_.setMinimizeBox(options.backdrop != -1);
    if (options.backdrop != -1)
        return;
    backdrop_ = std::make_unique<Hintergrund>(options.taskbarVisible != 0, owner_);
    backdrop_->load();
    backdrop_->show();
    if (options.taskbarVisible == 0)
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

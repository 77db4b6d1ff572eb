#include "Display.h"

#include "platform/services.h"

namespace ScreenRes {

bool ChangeResolution(int width, int height)
{
    if (width != 640 || height != 480)
        return false;
    platform::services().display->setLowResolution(true);
    return true;
}

bool RestoreResolution()
{
    platform::services().display->setLowResolution(false);
    return true;
}

} // namespace ScreenRes

namespace ShowTaskbar {

void SetTaskbarVisible(bool visible)
{
    platform::services().display->setTaskbarVisible(visible);
}

} // namespace ShowTaskbar

namespace ProcessR {

bool ProcessRunning(const QString& text)
{
    return platform::services().processes->isRunning(text);
}

} // namespace ProcessR

#pragma once

#include <QString>

// The display, taskbar and process procedures shared by the launcher and the task manager.
// The display service keeps the real mode and remembers what to restore.
namespace ScreenRes {

// Only 640 x 480 is offered; true when the display switched.
bool ChangeResolution(int width, int height);
// True when the former display returned.
bool RestoreResolution();

} // namespace ScreenRes

namespace ShowTaskbar {

void SetTaskbarVisible(bool visible);

} // namespace ShowTaskbar

namespace ProcessR {

// Whether a running process's executable name contains `text`, without regard to case.
bool ProcessRunning(const QString& text);

} // namespace ProcessR

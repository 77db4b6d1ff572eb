// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "taskmanager/Form1.h"

#include "platform/forms/application.h"
#include "platform/services.h"
#include "platform/single_instance.h"

int main(int argc, char** argv)
{
    platform::Application app(argc, argv);
    // Also the window class on X, which the desktop entry names as its StartupWMClass.
    app.setApplicationName(QStringLiteral("QL Pensumo"));
    app.setDesktopFileName(QStringLiteral("tavoro-pensumo"));
    platform::startProgram(argc, argv);
    platform::SingleInstance instance(QStringLiteral("Pensumo"));
    if (instance.anotherRunning())
        return 0;
    taskmanager::TaskManagerState state;
    taskmanager::Form1 form(state);
    form.show();
    return app.run();
}

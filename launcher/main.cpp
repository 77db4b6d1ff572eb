// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "launcher/Form1.h"

#include "platform/forms/application.h"
#include "platform/services.h"

int main(int argc, char** argv)
{
    platform::Application app(argc, argv);
    // Also the window class on X, which the desktop entry names as its StartupWMClass.
    app.setApplicationName(QStringLiteral("Startomo"));
    app.setDesktopFileName(QStringLiteral("tavoro-startomo"));
    platform::startProgram(argc, argv);
    launcher::LauncherState state;
    state.CommandLine = platform::services().processes->ownArguments();
    launcher::Form1 form(state);
    form.show();
    return app.run();
}

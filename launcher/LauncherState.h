// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/SuiteOptions.h"

#include <QString>

namespace launcher {

// The launcher's program-wide values; they survive a reload of the main window.
struct LauncherState {
    QString DataDir;
    SuiteOptions options;
    QString PupilName;
    QString OptionsCaller;
    QString CommandLine;           // the launcher's own argument string
    QString HelpFile;
};

} // namespace launcher

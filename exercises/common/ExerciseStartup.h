// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/SuiteOptions.h"

#include <QString>

#include <optional>

struct ExerciseState;

namespace exercise {

// $XDG_DATA_HOME/DA Ravezure[/Plenaro]/Tavoro, each missing level created; "Plenaro" only
// when the program folder holds no launcher.
QString findDataDir();
// What crashed rewrites left beside the suite options and the exercises' own settings files.
void removeSaveLeftovers(const QString& dataDir);

// How the main window sits on the desktop.
struct WindowPlacement {
    bool backdrop = false;
    bool minimizeBox = false;
    bool topmost = false;
};
WindowPlacement windowPlacement(const SuiteOptions& options, bool launcherStarted);

// Full path of "Ratgebix.chm" or "Ratgebix_Top.chm" in the program folder.
QString helpFile(const SuiteOptions& options, bool launcherStarted);

// The program that takes over at the end, and the folder it starts in.
struct LauncherStart {
    QString commandLine;
    QString currentFolder;
};
// None when started by hand, in assignment mode, in full-screen mode, with no launcher, or while
// the task manager runs for this user and data folder.
std::optional<LauncherStart> launcherReturn(const ExerciseState& state);

} // namespace exercise

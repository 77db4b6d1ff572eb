// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// What distinguishes one exercise program's main window from another's.
struct ExerciseConfig {
    enum class ScratchFile { None, AtStart, AfterHelpFile };

    QString program;  // the executable's name: one running copy per program
    QString appTitle; // the application title ("QL Tastomat"): dialogs and records
    QString logTitle; // the title in the pupil's log ("Tastomat")
    int helpMapId = 0;
    // Window heights with the teacher menu hidden and shown, twips; 0: the menu bar's height
    // is added to and taken from the current height.
    int smallHeight = 0;
    int largeHeight = 0;
    ScratchFile scratch = ScratchFile::None;
    // The task manager's suffix ("Q05A") starts assignment mode; without it the suffix is
    // ignored and the program runs as when started by the launcher.
    bool assignments = true;
    // The pupil's results log; without it a pupil's name on the command line is kept only to
    // hand it back to the launcher.
    bool resultsLog = true;
    // Tasks one after another: the next-task rules and the teacher's "Weiter trotz Fehler".
    bool tasks = true;
    // The picture exercises hold the backdrop in a `BlackBack` (`HG`), released at unload.
    bool backdropController = false;
};

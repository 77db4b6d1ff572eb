// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The exercise command line as the launcher ("Q /p="..." /n="..."") and the task manager
// ("Q05A") write it.
struct ExerciseCommandLine {
    bool launcherStarted = false;
    bool taskMode = false;
    int allowedErrors = 0;
    QString pupilName;   // empty when absent or unusable
    QString logPath;     // empty when absent or unusable
};

ExerciseCommandLine parseExerciseCommandLine(const QString& line);

// The text between `switchText` + '"' and the next '"'; empty when the switch or the closing
// quote is missing.
QString switchValue(const QString& line, const QString& switchText);

// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/SuiteOptions.h"

#include <QString>

#include <array>

// What the launcher window shows and what its buttons start, apart from the widgets.
namespace launcher {

struct Exercise {
    const char* button;    // control name
    const char* caption;
    int left, top;         // twips
    const char* program;   // as the suite names it
    const char* picture;   // below the program folder
};

// In the order of the grid, three rows.
extern const std::array<Exercise, 9> kExercises;

inline constexpr const char* kProgramMissing =
    "Die Programmdatei wurde nicht gefunden. Sie muss im gleichen Verzeichnis wie dieses Programm "
    "sein. Starten Sie das Programm von Hand, oder versuchen Sie es nochmal nach einer "
    "Neuinstallation!";
inline constexpr const char* kTaskManagerRunning =
    "Während der Pensumo läuft, kann der Startomo nicht gestartet werden! Außerdem sollten "
    "währenddessen keine weiteren QL Lernprogramme von Hand gestartet werden, da dies die "
    "Funktion des Pensumos stört!";

// "tastomat.exe Q", with the log folder and the pupil's name when logging under names is on.
QString exerciseCommandLine(const QString& program, const SuiteOptions& options,
                            const QString& dataDir, const QString& pupilName);
// "Hallo Max!" or "Hallo!", then the second line.
QString greeting(const QString& pupilName);
QString helpFile(const QString& appPath, const SuiteOptions& options);

} // namespace launcher

// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "taskmanager/Package.h"

#include "framework/MainWindowDisplay.h"

#include <QString>

namespace taskmanager {

// Reads the package's options file as every program of the suite reads its settings: copied
// from the program folder when missing, four attempts while it is locked. On failure shows the
// message and ends the program. The display options are the file's last three lines read; a
// package without options file gives all of them 0.
MainWindowDisplayOptions loadPackageOptions(const PackageInfo& package, const QString& packageDir,
                                            const QString& appPath);

} // namespace taskmanager

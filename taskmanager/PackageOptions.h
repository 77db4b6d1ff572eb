#pragma once

#include "Package.h"

#include <QString>

namespace taskmanager {

// The three display flags the task manager takes from its package's options file.
struct DisplayFlags {
    int backdrop = 0;
    int taskbarVisible = 0;
    int fullScreen = 0;
};

// Reads the package's options file as every program of the suite reads its settings: copied
// from the program folder when missing, four attempts while it is locked. On failure shows the
// message and ends the program. A package without options file gives all flags 0.
DisplayFlags loadPackageOptions(const PackageInfo& package, const QString& packageDir,
                                const QString& appPath);

} // namespace taskmanager

// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "taskmanager/PackageOptions.h"

#include "framework/SuiteOptions.h"

#include "framework/SettingsAccess.h"

#include "platform/files.h"

namespace taskmanager {

namespace {

MainWindowDisplayOptions displayOptionsOf(const QVector<qint64>& values, int linesRead)
{
    // A short file leaves the missing options at 0.
    auto line = [&](int n) { return n <= values.size() ? toInt16(values[n - 1]) : 0; };
    // The file's three lines are the suite options' lines 2 to 4.
    SuiteOptions flags;
    flags.HGrundStart = line(linesRead - 2);
    flags.TVis = line(linesRead - 1);
    flags.Aufloesung = line(linesRead);
    return displayOptions(flags);
}

} // namespace

MainWindowDisplayOptions loadPackageOptions(const PackageInfo& package, const QString& packageDir,
                                            const QString& appPath)
{
    if (package.optionsFile.isEmpty())
        return {};
    const QString file = packageDir + QLatin1Char('/') + package.optionsFile;
    const QString source = appPath + QLatin1Char('/') + package.optionsSource;
    platform::NumberFile options;
    retryWhileLockedOrEnd(
        [&] {
            platform::FileError pending;
            if (platform::fileMissingOrEmpty(file))
                pending = copyWithBackup(source, file, packageDir + QLatin1Char('/') + package.optionsBackup);
            options = platform::readNumberFile(file);
            return pending.failed() ? pending : options.error;
        },
        QString::fromUtf8(kSettingsLockedMessage));
    return displayOptionsOf(options.values, package.linesRead);
}

} // namespace taskmanager

// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/SuiteOptions.h"

#include "framework/TRAVEK.h"

#include "framework/SettingsAccess.h"

#include <algorithm>
#include <array>

namespace {

std::array<int*, 11> fields(SuiteOptions& o)
{
    return {&o.HGrund, &o.HGrundStart, &o.TVis, &o.Aufloesung, &o.Buchstaben, &o.Proto,
            &o.FehlerWeiter, &o.optEigeneBilder, &o.Opt_AnlautKritzlon, &o.Opt_AnlautTastomat,
            &o.ProtSave};
}

QString central()
{
    return TRAVEK::AppPath() + QStringLiteral("/options4.ini");
}

} // namespace

void applySuiteOptionValues(SuiteOptions& options, const QVector<qint64>& values)
{
    auto f = fields(options);
    for (int i = 0; i < 10 && i < values.size(); ++i)
        *f[i] = toInt16(values[i]);
    options.ProtSave = values.size() > 10 ? toInt16(values[10]) : 0;
}

platform::FileError RefreshCentralOptions(const QString& dataDir)
{
    const QString backup = dataDir + QStringLiteral("/options4.bak");
    const platform::NumberFile centralValues = platform::readNumberFile(central());
    if (centralValues.error.failed())
        return centralValues.error;
    if (platform::fileMissingOrEmpty(backup))
        return platform::copyFileKeepingTime(central(), backup);
    const platform::NumberFile backupValues = platform::readNumberFile(backup);
    if (backupValues.error.failed())
        return backupValues.error;
    bool changed = false;
    for (qsizetype i = 0; i < std::min(centralValues.values.size(), backupValues.values.size()); ++i)
        changed = changed || toInt16(centralValues.values[i]) != toInt16(backupValues.values[i]);
    if (!changed)
        return {};
    if (auto e = platform::copyFileKeepingTime(central(), dataDir + QStringLiteral("/options4.ini")); e.failed())
        return e;
    return platform::copyFileKeepingTime(central(), backup);
}

platform::FileError copyWithBackup(const QString& source, const QString& file, const QString& backup)
{
    platform::FileError error = platform::copyFileKeepingTime(source, file);
    if (!error.failed())
        error = platform::copyFileKeepingTime(source, backup);
    // Half a first copy would make the next start take it for a complete one.
    if (error.failed() && !error.locked())
        platform::removeFile(file);
    return error;
}

void LoadSuiteOptions(SuiteOptions& options, const QString& dataDir, OptionsReader reader)
{
    const QString user = dataDir + QStringLiteral("/options4.ini");
    platform::NumberFile file;
    retryWhileLockedOrEnd(
        [&] {
            platform::FileError pending;
            if (platform::fileMissingOrEmpty(user))
                pending = copyWithBackup(central(), user, dataDir + QStringLiteral("/options4.bak"));
            if (reader == OptionsReader::Launcher && !pending.failed())
                pending = RefreshCentralOptions(dataDir);
            file = platform::readNumberFile(user);
            return pending.failed() ? pending : file.error;
        },
        QString::fromUtf8(kSettingsLockedMessage));
    applySuiteOptionValues(options, file.values);
}

QStringList suiteOptionLines(const SuiteOptions& options)
{
    SuiteOptions copy = options;
    QStringList lines;
    for (const int* field : fields(copy))
        lines.append(platform::formatNumber(*field));
    return lines;
}

platform::FileError writeSuiteOptions(const QString& path, const SuiteOptions& options)
{
    return platform::writeTextFile(path, suiteOptionLines(options));
}

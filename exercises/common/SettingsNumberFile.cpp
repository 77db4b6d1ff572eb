// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/common/SettingsNumberFile.h"

#include "framework/SettingsAccess.h"

#include "platform/files.h"
#include "platform/forms/end.h"
#include "platform/services.h"

namespace {

[[noreturn]] void fail(const QString& message)
{
    platform::msgBox(message);
    platform::End();
}

// Blanks, an optional sign, then a digit: anything else is no stored number.
bool startsWithNumber(const QString& line)
{
    const QString text = line.trimmed();
    const qsizetype digit = text.startsWith(QLatin1Char('-')) || text.startsWith(QLatin1Char('+')) ? 1 : 0;
    return digit < text.size() && text.at(digit) >= QLatin1Char('0') && text.at(digit) <= QLatin1Char('9');
}

} // namespace

QString SettingsNumberFile::path(const QString& dataDir) const
{
    return dataDir + QLatin1Char('/') + fileName;
}

int SettingsNumberFile::read(const QString& dataDir) const
{
    if (platform::fileMissingOrEmpty(path(dataDir)))
        if (const platform::FileError error = platform::writeNumberFile(path(dataDir), {defaultValue});
            error.failed() && (!error.locked() || !platform::fileExists(path(dataDir))))
            // Why it could not be made says more than that it is not there.
            fail(error.message);
    platform::TextFile file;
    retryWhileLockedOrEnd(
        [&] {
            file = platform::readTextFile(path(dataDir));
            return file.error;
        },
        lockedMessage);
    if (file.lines.isEmpty() || !startsWithNumber(file.lines.first()))
        return defaultValue;
    return static_cast<int>(platform::parseNumber(file.lines.first()));
}

void SettingsNumberFile::save(const QString& dataDir, int value) const
{
    const platform::FileError error =
        retryWhileLocked([&] { return platform::writeNumberFile(path(dataDir), {value}); });
    if (error.locked())
        platform::msgBox(QStringLiteral("Ich konnte die Änderung nicht speichern!"));
    else if (error.failed())
        fail(error.message);
}

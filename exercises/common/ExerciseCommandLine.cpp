// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/common/ExerciseCommandLine.h"

#include "framework/PupilName.h"

#include "platform/files.h"

namespace {

int errorLimit(const QString& line)
{
    const QString digits = line.size() < 3 ? line.left(line.size() - 1) : line.mid(line.size() - 3, 2);
    const QString trimmed = digits.trimmed();
    if (trimmed.isEmpty() || !(trimmed[0].isDigit() || trimmed[0] == QLatin1Char('-')))
        return 0;
    const qint64 value = platform::parseNumber(trimmed);
    // A negative limit cannot be met by any count of errors: it means no repetition.
    return value < 0 ? 99 : static_cast<int>(value);
}

} // namespace

QString switchValue(const QString& line, const QString& switchText)
{
    const qsizetype start = line.indexOf(switchText + QLatin1Char('"'));
    if (start < 0)
        return {};
    const qsizetype from = start + switchText.size() + 1;
    const qsizetype end = line.indexOf(QLatin1Char('"'), from);
    return end < 0 ? QString() : line.mid(from, end - from);
}

ExerciseCommandLine parseExerciseCommandLine(const QString& line)
{
    ExerciseCommandLine result;
    result.launcherStarted = line.startsWith(QLatin1Char('Q'));
    result.taskMode = line.endsWith(QLatin1Char('A'));
    if (result.taskMode)
        result.allowedErrors = errorLimit(line);
    const QString name = switchValue(line, QStringLiteral("/n="));
    // The name becomes a file name in the log folder: only a plain name keeps it there.
    if (isValidPupilName(name))
        result.pupilName = name;
    result.logPath = switchValue(line, QStringLiteral("/p="));
    return result;
}

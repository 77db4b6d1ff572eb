// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "taskmanager/ManagerFile.h"

#include "framework/SettingsAccess.h"

namespace taskmanager {

namespace {

const QLatin1Char kQuote('"');
const QLatin1Char kComma(',');

qsizetype firstNonBlank(const QString& line, qsizetype from)
{
    while (from < line.size() && line[from] == QLatin1Char(' '))
        ++from;
    return from;
}

// Reads the field starting at `from`; `from` ends after its comma (or at the line's end).
QString takeField(const QString& line, qsizetype& from)
{
    qsizetype i = firstNonBlank(line, from);
    QString field;
    if (i < line.size() && line[i] == kQuote) {
        for (++i; i < line.size(); ++i) {
            if (line[i] != kQuote) {
                field += line[i];
            } else if (i + 1 < line.size() && line[i + 1] == kQuote) {
                field += kQuote;
                ++i;
            } else {
                ++i;
                break;
            }
        }
        const qsizetype comma = line.indexOf(kComma, i);
        from = comma < 0 ? line.size() : comma + 1;
        return field;
    }
    const qsizetype comma = line.indexOf(kComma, i);
    from = comma < 0 ? line.size() : comma + 1;
    return line.mid(i, (comma < 0 ? line.size() : comma) - i);
}

const QString& defaultLine(int index)
{
    static const QStringList defaults = managerLines(ManagerSettings{});
    return defaults[index];
}

int numberField(const QString& line)
{
    return toInt16(platform::parseNumber(readField(line)));
}

} // namespace

QString readField(const QString& line)
{
    qsizetype from = 0;
    return takeField(line, from);
}

QStringList readFields(const QString& line)
{
    QStringList fields;
    qsizetype from = 0;
    do
        fields.append(takeField(line, from));
    while (from < line.size());
    return fields;
}

QString writeField(const QString& text)
{
    if (!text.contains(kComma) && !text.startsWith(kQuote) && !text.startsWith(QLatin1Char(' ')))
        return text;
    QString escaped = text;
    escaped.replace(kQuote, QStringLiteral("\"\""));
    return kQuote + escaped + kQuote;
}

QString encodeSetCode(const SetIndices& indices)
{
    QString code;
    for (const int index : indices)
        code += QString::number(index).leftJustified(2, QLatin1Char(' '), true);
    return code;
}

SetIndices decodeSetCode(const QString& setCode)
{
    SetIndices indices{};
    for (qsizetype i = 0; i < kPositions; ++i)
        indices[i] = toInt16(platform::parseNumber(setCode.mid(2 * i, 2)));
    return indices;
}

ManagerLines readManagerLines(const QString& path)
{
    platform::TextFile file = platform::readTextFile(path);
    if (file.error.failed())
        return {{}, file.error};
    QStringList lines = file.lines.mid(0, kManagerLines);
    while (lines.size() < kManagerLines)
        lines.append(defaultLine(static_cast<int>(lines.size())));
    return {lines, {}};
}

ManagerRead readManagerFile(const QString& path)
{
    const ManagerLines file = readManagerLines(path);
    if (file.error.failed())
        return {ManagerSettings{}, file.error};
    const QStringList& lines = file.lines;
    ManagerSettings s;
    s.Programmpaket = readField(lines[0]);
    s.activeSet = numberField(lines[1]);
    for (int i = 0; i < kSetCount; ++i) {
        s.sets[i].indices = decodeSetCode(readField(lines[2 + 2 * i]));
        s.sets[i].name = readField(lines[3 + 2 * i]);
    }
    s.logging = numberField(lines[22]);
    s.allowedErrors = numberField(lines[23]);
    return {s, {}};
}

QStringList managerLines(const ManagerSettings& settings)
{
    QStringList lines{settings.Programmpaket, platform::formatNumber(settings.activeSet)};
    for (const TaskSet& set : settings.sets)
        lines << encodeSetCode(set.indices) << writeField(set.name);
    lines << platform::formatNumber(settings.logging) << platform::formatNumber(settings.allowedErrors);
    return lines;
}

platform::FileError writeManagerFile(const QString& path, const ManagerSettings& settings)
{
    return platform::writeTextFile(path, managerLines(settings));
}

platform::FileError saveActiveSet(const QString& path, int activeSet)
{
    ManagerLines file = readManagerLines(path);
    if (file.error.failed())
        return file.error;
    file.lines[1] = platform::formatNumber(activeSet);
    return platform::writeTextFile(path, file.lines);
}

} // namespace taskmanager

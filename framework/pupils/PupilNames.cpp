// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/pupils/PupilNames.h"

#include "framework/PupilName.h"

#include "platform/services.h"

#include <QFile>

namespace PupilNames {

namespace {

bool letterOrDigit(int code)
{
    return (code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z');
}

// Ä Ö Ü ß ä ö ü in Windows-1252: the key filter takes them, the check refuses them.
bool umlaut(int code)
{
    return code == 196 || code == 214 || code == 220 || code == 223 || code == 228 || code == 246
           || code == 252;
}

} // namespace

QString nameListPath(const QString& folder)
{
    return platform::resolveNoCase(folder, QStringLiteral("Namen.ini"));
}

QString logFilePath(const QString& folder, const QString& name)
{
    return platform::resolveNoCase(folder, name + QStringLiteral(".txt"));
}

void filterKey(int& keyAscii, QString& field)
{
    if (letterOrDigit(keyAscii) || umlaut(keyAscii)) {
        field += platform::decodeWindows1252(QByteArray(1, static_cast<char>(keyAscii)));
        return;
    }
    if (keyAscii == 8)
        field.chop(1);
    keyAscii = 0;
}

platform::FileError ensureNameList(const QString& folder, const QString& defaultList)
{
    if (platform::FileError error = platform::makeFolder(folder); error.failed())
        return error;
    const QString list = nameListPath(folder);
    if (platform::fileExists(list))
        return {};
    if (platform::fileExists(defaultList))
        return platform::copyFileKeepingTime(defaultList, list);
    return platform::writeTextFile(list, {});
}

platform::TextFile readNameList(const QString& folder)
{
    return platform::readTextFile(nameListPath(folder));
}

QStringList offeredNames(const QStringList& lines)
{
    QStringList names;
    for (const QString& line : lines)
        if (line != QLatin1String(kUnknown))
            names.append(line);
    return names;
}

platform::FileError registerName(const QString& folder, const QString& name)
{
    const QString log = logFilePath(folder, name);
    const bool newLog = !platform::fileExists(log);
    if (newLog)
        if (platform::FileError e = platform::appendTextLines(log, {}); e.failed())
            return e;
    platform::FileError error;
    const platform::TextFile list = readNameList(folder);
    if (list.error.failed() && list.error.kind != platform::FileErrorKind::NotFound)
        error = list.error;
    else if (!list.lines.contains(name, Qt::CaseInsensitive))
        error = platform::appendTextLines(nameListPath(folder), {name});
    // A name that could not be registered leaves no trace.
    if (error.failed() && newLog)
        platform::removeFile(log);
    return error;
}

platform::FileError removeNames(const QString& folder, const QStringList& deleted)
{
    platform::TextFile list = readNameList(folder);
    if (list.error.failed() && list.error.kind != platform::FileErrorKind::NotFound)
        return list.error;
    for (const QString& name : deleted)
        list.lines.removeOne(name);
    return platform::writeTextFile(nameListPath(folder), list.lines);
}

QString nameFromCommandLine(const QString& commandLine)
{
    const QString start = QStringLiteral("/n=\"");
    const qsizetype p = commandLine.indexOf(start);
    if (p < 0)
        return {};
    const qsizetype q = commandLine.indexOf(QLatin1Char('"'), p + start.size());
    if (q < 0)
        return {};
    const QString name = commandLine.mid(p + start.size(), q - p - start.size());
    return isValidPupilName(name) ? name : QString();
}

QString confirmedName(const QString& field)
{
    QString name = field.isEmpty() ? QString::fromLatin1(kUnknown) : field;
    if (isValidPupilName(name))
        return name;
    platform::msgBox(QStringLiteral("Gib bitte nur Buchstaben oder Zahlen ein!"));
    return {};
}

} // namespace PupilNames

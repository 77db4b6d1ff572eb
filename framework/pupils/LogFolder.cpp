// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/pupils/LogFolder.h"

#include <QDir>

namespace LogFolder {

QStringList logNames(const QString& folder)
{
    QDir dir(folder);
    dir.setNameFilters({QStringLiteral("*.txt")});
    dir.setFilter(QDir::Files);
    dir.setSorting(QDir::Name | QDir::IgnoreCase);
    return dir.entryList();
}

LogText readLog(const QString& path)
{
    const platform::TextFile file = platform::readTextFile(path);
    LogText log{{}, file.error};
    for (const QString& line : file.lines)
        log.text += line + QLatin1Char('\n');
    return log;
}

} // namespace LogFolder

// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/files.h"

#include <QString>
#include <QStringList>

// The pupils' logs of one folder, as the log viewer lists, shows and deletes them.
namespace LogFolder {

// The "*.txt" files, matched without regard to case, sorted by name.
QStringList logNames(const QString& folder);

struct LogText {
    QString text;    // every line followed by a line end
    platform::FileError error;
};
LogText readLog(const QString& path);

} // namespace LogFolder

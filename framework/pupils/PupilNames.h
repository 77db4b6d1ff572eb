// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/files.h"

#include <QString>
#include <QStringList>

// The pupil name list "Namen.ini" and the pupils' log files in one folder ("Protokoll_2" of
// the launcher's data folder, "Protokoll" of the task manager's).
namespace PupilNames {

inline constexpr const char* kUnknown = "unbekannt";

QString nameListPath(const QString& folder);
// The pupil's log file, whatever letter case it was created in.
QString logFilePath(const QString& folder, const QString& name);

// The name entry's key filter: allowed letters are appended to `field`, Backspace removes the
// last one; every other key is swallowed (keyAscii := 0).
void filterKey(int& keyAscii, QString& field);

// Creates the folder and, when it has no name list, copies `defaultList` there (an empty list
// when the default is missing too).
platform::FileError ensureNameList(const QString& folder, const QString& defaultList);
platform::TextFile readNameList(const QString& folder);
// The name entry's list: every line but "unbekannt".
QStringList offeredNames(const QStringList& lines);

// The name a confirmed entry stands for ("unbekannt" when empty); empty after telling the
// pupil when it holds other characters than a pupil name may.
QString confirmedName(const QString& field);

// A confirmed name: its log file is created when missing, and the name is appended to the list
// unless the list holds it in any letter case.
platform::FileError registerName(const QString& folder, const QString& name);
// Rewrites the list without the deleted entries, read afresh so that names added meanwhile stay.
platform::FileError removeNames(const QString& folder, const QStringList& deleted);

// The value of the switch /n="..." in a command line; empty when it is missing, has no closing
// quote or is no valid name.
QString nameFromCommandLine(const QString& commandLine);

} // namespace PupilNames

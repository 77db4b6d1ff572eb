// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The program's folder, scratch files, the about box, running a program and waiting for it.
namespace TRAVEK {

// Folder of the running executable, without a trailing slash.
QString AppPath();
// A new, empty, uniquely named scratch file ("QLS<process id>-<unique>.tmp" in the temp
// folder), or "" when none could be made.
QString TempFileName();
// The data folder `levels` below the user's application-data folder, made where missing. A start
// cannot go on without it: when it cannot be made, the user is told why and the program ends.
QString MakeDataFolder(const QStringList& levels);
// Removes the scratch files of processes that are gone (killed, or ended without their unload).
void RemoveOrphanedTempFiles();
// Deletes the file when the name is not empty and the file exists; never fails loudly.
void KillIfExists(const QString& fileName);
// The about box.
void ShowInfo();
// "2.09.0102" for version 2, 9, 102.
QString FormatVersion(int major, int minor, int revision);
// Starts the program and blocks until it has ended; false when it could not be started.
bool RunAndWait(const QString& commandLine);
bool FormLoaded(const QString& formName);

} // namespace TRAVEK

namespace SHGetFolder {

constexpr int kAppData = 26;
// Path of the special folder (only the user's application-data folder is known), or "".
QString GetFolderPath(int folderId, bool create, bool verify);

} // namespace SHGetFolder

namespace WinXPTest {

// Chooses the ".chm" help format, which this platform always has.
bool IsWinNT6();

} // namespace WinXPTest

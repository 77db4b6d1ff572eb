// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace platform {

// "C:/x/tastomat.exe Q03A" splits into the program "C:/x/tastomat.exe" and the argument string
// "Q03A" (everything after the blank that follows the name, unchanged). The program name ends
// at the first ".exe" followed by a blank or the end, so folders may hold blanks; a line
// without ".exe" ends its name at the first blank. A name in double quotes loses its quotes.
struct CommandLine {
    QString program;
    QString arguments;
};
CommandLine splitCommandLine(const QString& line);

// The executable a suite program name stands for: "xyz.exe" is the file "xyz" (any case),
// a relative name looked up in the program folder, then in the current folder. Empty when
// there is none.
QString executableFor(const QString& programName);
// Whether the file the suite names ("…/startomo.exe") is there as a program.
bool programFileExists(const QString& programName);

// A running process as the running-process test sees it.
struct RunningProcess {
    QString executableName;   // file name of /proc/<pid>/exe
    uint owner = 0;
    QString appDataFolder;    // the application-data folder it runs with
};
// The processes whose executable can be read and whose file name ends in `nameEnd` (any case);
// only theirs are looked at closer, so the machine's other processes cost little.
std::vector<RunningProcess> runningProcesses(const QString& nameEnd);

// Whether one of `processes` of `owner` and `appDataFolder` runs the program the suite names
// `programName` ("Pensumo.exe"): its executable's file name ends in the name without ".exe",
// in any case and with anything in front ("MeinPensumo" counts, "Pensumo2" does not), as a
// name containing "Pensumo.exe" does where every program name ends in ".exe". Another login,
// or another data folder of the same login, is another installation's business.
bool processRunning(const QString& programName, const std::vector<RunningProcess>& processes,
                    uint owner, const QString& appDataFolder);
// The same over the machine's processes, for this process's user and application-data folder.
bool processRunning(const QString& programName);

// Starts the executable with these arguments in the current folder, in a process group of its
// own, without waiting for it; false when it cannot be started. Its end is collected without
// the caller waiting for it.
bool startDetached(const QString& executable, const QStringList& arguments);

// Whether the process with that id still exists (also when it belongs to another user).
bool processAlive(qint64 pid);

} // namespace platform

#pragma once

#include <QString>

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

// Whether a running process's executable name (of /proc/<pid>/exe) contains `name` without
// the ".exe", compared without regard to case.
bool processRunning(const QString& programName);

// Whether the process with that id still exists (also when it belongs to another user).
bool processAlive(qint64 pid);

} // namespace platform

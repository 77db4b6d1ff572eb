#pragma once

#include <QString>

// "options2.ini" in the data folder: the help mode `Schwer` (1 with help, 2 without).
namespace help_mode {

// Creates the file with 1 when missing. A file that stays locked, or cannot be read, ends the
// program with its message.
int read(const QString& dataDir);
// Writes the mode; a file that stays locked leaves it unsaved with a message.
void save(const QString& dataDir, int schwer);

} // namespace help_mode

// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// A program's own settings file in the data folder holding one number: the typewriter's help
// mode ("options2.ini"), the free writing's print button ("options3.ini").
struct SettingsNumberFile {
    QString fileName;
    int defaultValue = 0;
    QString lockedMessage;   // shown at start when the file stays locked

    // Creates the file with the default when missing or empty (a creation that cannot be
    // written ends the program with its message); a file whose first line holds no number
    // reads as the default. A file that stays locked, or cannot be read, ends
    // the program with its message.
    int read(const QString& dataDir) const;
    // Rewrites the file (through a temporary file and rename). A file that stays locked keeps
    // its old value with a message; any other failure ends the program with its description.
    void save(const QString& dataDir, int value) const;

private:
    QString path(const QString& dataDir) const;
};

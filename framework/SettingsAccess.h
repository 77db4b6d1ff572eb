// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/files.h"

#include <QString>
#include <QtGlobal>

#include <functional>

// How every program of the suite reads and writes its settings files.

// The programs keep their settings as 16-bit integers: a value beyond is clamped.
int toInt16(qint64 value);

// Another program may hold a settings file locked while it edits it: an access to such a file
// is tried four times, waiting 500, 1000 and 1500 ms between the attempts. Returns the last
// attempt's error: none, one of another kind, or still Locked.
platform::FileError retryWhileLocked(const std::function<platform::FileError()>& attempt);

// The same for an access the program cannot go on without: when it fails, shows the error's
// message, or `lockedMessage` when the file stayed locked, and ends the program.
void retryWhileLockedOrEnd(const std::function<platform::FileError()>& attempt, const QString& lockedMessage);

// The message when the suite's settings stay locked; also used for other settings files.
// "Zeipunkt" is the system's own spelling of this message and intended.
extern const char* const kSettingsLockedMessage;

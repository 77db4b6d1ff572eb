// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/files.h"

#include <QString>

namespace launcher {

// Copies each central word list of appPath/Listen into dataDir/Listen when the user has never
// received it or when it changed since it was last received (dataDir/Listen/Server holds the
// lists as last received). The first failure stops the run and is returned.
platform::FileError SyncWordLists(const QString& appPath, const QString& dataDir);

} // namespace launcher

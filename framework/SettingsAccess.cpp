// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/SettingsAccess.h"

#include "platform/forms/end.h"
#include "platform/services.h"

#include <algorithm>

const char* const kSettingsLockedMessage =
    "Ich konnte die Programmeinstellungen nicht laden. Eventuell werden diese momentan geändert. "
    "Versuchen Sie, das Programm zu einem späteren Zeipunkt noch einmal zu starten.";

namespace {

constexpr int kAttempts = 4;

} // namespace

int toInt16(qint64 value)
{
    return static_cast<int>(std::clamp<qint64>(value, -32768, 32767));
}

platform::FileError retryWhileLocked(const std::function<platform::FileError()>& attempt)
{
    for (int n = 1;; ++n) {
        platform::FileError error = attempt();
        if (!error.locked() || n == kAttempts)
            return error;
        platform::services().clock->sleep(n * 500);
    }
}

void retryWhileLockedOrEnd(const std::function<platform::FileError()>& attempt, const QString& lockedMessage)
{
    const platform::FileError error = retryWhileLocked(attempt);
    if (!error.failed())
        return;
    platform::msgBox(error.locked() ? lockedMessage : error.message);
    platform::End();
}

// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "taskmanager/ManagerFile.h"
#include "taskmanager/TaskRun.h"

#include <QString>

namespace taskmanager {

// The task manager's values for the whole run, shared by its main window and its dialogs.
struct TaskManagerState {
    QString AppPath;
    QString PackageDir;
    ManagerSettings settings;   // the editor edits the sets here in place
    ResolvedSet active;         // the active set's programs
    QString PupilName;          // empty when none

    QString managerFile() const { return PackageDir + QStringLiteral("/manager.ini"); }
    QString logFolder() const { return PackageDir + QStringLiteral("/Protokoll"); }
};

} // namespace taskmanager

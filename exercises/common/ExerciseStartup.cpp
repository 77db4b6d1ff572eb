// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/common/ExerciseStartup.h"

#include "framework/ExerciseState.h"
#include "framework/TRAVEK.h"

#include "platform/files.h"
#include "platform/processes.h"
#include "platform/services.h"

namespace exercise {

namespace {

bool launcherBeside()
{
    return platform::programFileExists(TRAVEK::AppPath() + QStringLiteral("/startomo.exe"));
}

} // namespace

QString findDataDir()
{
    QStringList levels{QStringLiteral("DA Ravezure")};
    if (!launcherBeside())
        levels << QStringLiteral("Plenaro");
    return TRAVEK::MakeDataFolder(levels << QStringLiteral("Tavoro"));
}

void removeSaveLeftovers(const QString& dataDir)
{
    QStringList settings;
    for (const char* name : {"options4.ini", "options4.bak", "options2.ini", "options3.ini"})
        settings << dataDir + QLatin1Char('/') + QLatin1String(name);
    platform::removeSaveLeftovers(settings);
}

WindowPlacement windowPlacement(const SuiteOptions& options, bool launcherStarted)
{
    WindowPlacement placement;
    const bool startedFullScreen = launcherStarted && options.startBackdrop();
    placement.backdrop = options.backdrop();
    placement.minimizeBox = !placement.backdrop && !startedFullScreen;
    placement.topmost = options.exerciseOnTop(launcherStarted);
    return placement;
}

QString helpFile(const SuiteOptions& options, bool launcherStarted)
{
    const bool top = ((launcherStarted && options.startBackdrop()) || options.backdrop()) && !options.taskbarVisible();
    const QString name = top ? QStringLiteral("Ratgebix_Top") : QStringLiteral("Ratgebix");
    const QString extension = WinXPTest::IsWinNT6() ? QStringLiteral(".chm") : QStringLiteral(".hlp");
    return TRAVEK::AppPath() + QLatin1Char('/') + name + extension;
}

std::optional<LauncherStart> launcherReturn(const ExerciseState& state)
{
    if (!state.launcherStarted() || state.TaskMode || state.options.launcherStaysOpen())
        return std::nullopt;
    // Beside the task manager (an exercise of its set outside assignment mode, as free writing
    // always is) the launcher would only refuse, with a warning meant for the teacher.
    if (platform::services().processes->isRunning(QStringLiteral("Pensumo.exe")))
        return std::nullopt;
    const QString args = state.PupilName.isEmpty()
                             ? QString()
                             : QStringLiteral(" /n=\"%1\"").arg(state.PupilName);
    const QString app = TRAVEK::AppPath();
    if (launcherBeside())
        return LauncherStart{app + QStringLiteral("/startomo.exe") + args, app};
    const QString sibling = app + QStringLiteral("/../kickomo.exe");
    if (platform::programFileExists(sibling))
        return LauncherStart{sibling + QStringLiteral(" 2") + args, app + QStringLiteral("/..")};
    return std::nullopt;
}

} // namespace exercise

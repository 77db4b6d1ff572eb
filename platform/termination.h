// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <functional>

// SIGTERM and SIGHUP (a logout, a shutdown) close the program as the system closes it, within
// moments and without asking anybody:
// - from the signal on nothing waits for the user: open message boxes and modal forms close and
//   none is shown any more, pauses are cut short, a program started and waited for is ended;
// - no event handler starts any more, and the handlers still running are unwound: a form's
//   modal loop that the signal closed throws into the handler that showed it;
// - once no handler runs, every loaded form is unloaded (its Form_Unload runs), oldest first,
//   and the program ends with code 0 as End ends it.
namespace platform {

// Catches the two signals from now on; every program's start does (startProgram).
void handleTermination();

// `handler` runs at most once, at the close by a signal before the forms unload, as long as
// `context` lives.
void onTermination(QObject* context, std::function<void()> handler);

// True once a signal came.
bool terminationRequested();
// True while the close by a signal unloads the forms.
bool closingBySystem();

// Waits `ms` as a blocking pause does, but a signal cuts the wait short; true when one did.
bool pauseUnlessTerminated(int ms);

// Closes the open dialogs (message boxes), which ends their modal loops.
void closeOpenDialogs();

// Carries out a close asked for by a signal, once no handler runs (runHandler calls it).
void finishTermination();

} // namespace platform

// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

// Ending the program from anywhere, also from inside nested modal forms. After End no further
// handler code runs: End throws, every handler entry catches it, every modal loop closes.
namespace platform {

struct ProgramEnded {};

struct FileError;

[[noreturn]] void End();
// A file step the program cannot go on without: a failure shows its message and ends the program.
void endOnError(const FileError& error);
bool programEnded();
// Tests start each case afresh.
void resetProgramEnded();

// What a handler entry is: program code reacting to an event, or a form's unload code.
enum class Entry { Event, Unload };

// Every entry into program code (event handlers, Form_Load, timers) goes through here. After
// End, or once a signal asked the program to end, no event handler starts any more; unload
// code still runs while the program closes. When the outermost handler returns, a pending
// end by a signal is carried out (see termination.h).
void runHandler(const std::function<void()>& handler, Entry entry = Entry::Event);
// Whether program code is running below this point: a nested loop returning here can unwind it.
bool handlerRunning();
// After a nested loop: throws ProgramEnded into the handler below when the program ended or is
// ending, so that none of that handler runs on.
void unwindIfEnding();

} // namespace platform

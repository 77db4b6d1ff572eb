#pragma once

#include <functional>

// Ending the program from anywhere, also from inside nested modal forms. After End no further
// handler code runs: End throws, every handler entry catches it, every modal loop closes.
namespace platform {

struct ProgramEnded {};

[[noreturn]] void End();
bool programEnded();
// Tests start each case afresh.
void resetProgramEnded();

// Every entry into program code (event handlers, Form_Load, timers) goes through here.
void runHandler(const std::function<void()>& handler);

} // namespace platform

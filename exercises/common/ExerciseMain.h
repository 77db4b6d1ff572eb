// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/ExerciseState.h"

#include "platform/forms/application.h"
#include "platform/services.h"

// The main() of an exercise program: its main window `Window` on a fresh program state, with
// what else its constructor takes.
template <class Window, class... Args>
int runExercise(int argc, char** argv, const Args&... args)
{
    platform::Application app(argc, argv);
    platform::startProgram(argc, argv);
    ExerciseState state;
    Window form(state, args...);
    form.show();
    return app.run();
}

#pragma once

#include "ExerciseState.h"

#include "platform/forms/application.h"
#include "platform/services.h"

// The main() of an exercise program: its main window `Window` on a fresh program state.
template <class Window>
int runExercise(int argc, char** argv)
{
    platform::Application app(argc, argv);
    platform::startProgram(argc, argv);
    ExerciseState state;
    Window form(state);
    form.show();
    return app.run();
}

// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// An exercise window for its program's forms table, shown the way a pupil meets it.
#include "tests/forms/form_states.h"

#include "tests/support/exercise_test.h"

#include "framework/ExerciseState.h"
#include "framework/SuiteOptions.h"

#include "platform/services.h"

#include <QDir>
#include <QStringList>

#include <functional>

namespace forms_check {

// How a table entry starts an exercise with a level dialog: the suite options, the command line,
// the dialog's button that answers it and what looks at the dialog first.
struct ExerciseStart {
    SuiteOptions options{};
    QString arguments = "Q";
    int level = 2;   // "alle Wörter"
    Look onLevelDialog{};
};

// What an exercise's start finds: the suite options in the program folder, the launcher beside
// it, the given folders of the built program folder, every word picture when `wordPictures` is
// set, and its command line.
inline void prepareExercise(FormEnvironment& env, const SuiteOptions& options, const QString& arguments,
                            const QStringList& folders = {"design"}, bool wordPictures = false)
{
    env.writeFile(env.programDir() + "/options4.ini", suiteOptionLines(options));
    env.copyFromSuite("startomo");
    for (const QString& folder : folders)
        env.copyFolderFromSuite(folder);
    if (wordPictures)
        for (const QString& picture : QDir(TAVORO_SUITE_DIR).entryList({"*.bmp"}, QDir::Files))
            env.copyFromSuite(picture);
    env.processes->arguments = arguments;
}

// The window `Window`, built with `args` after the program state once the program folder is
// entered, as the program's start does; `then` runs while it is on screen, and it is unloaded
// after.
template <class Window, class... Args>
void showExercise(const std::function<void(Window&)>& then, const Args&... args)
{
    platform::enterProgramFolder();
    ExerciseState state;
    Window window(state, args...);
    window.show();
    then(window);
    if (window.loaded())
        window.unload();
}

} // namespace forms_check

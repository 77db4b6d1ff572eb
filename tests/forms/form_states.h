// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The forms of one program, each in a state that changes what it shows. One table per program
// drives two things: the test that every caption and picture fits its control, and the gallery
// (a PNG of every form state in build/gallery/, listed by build/gallery/index.html). Every entry
// runs twice: on a normal screen, and in "Vollbild" on a 1920 x 1080 screen (the program started
// in the 640 x 480 mode, its layout scaled 2.25 times; pictures named "...-Vollbild.png").
//
// How to add a program's forms:
//  1. Write tests/forms/<program>_forms.cpp (the executable's name, e.g. Fugolin_forms.cpp) that
//     defines `formStates()` below: one entry per form and state, in the order the program shows
//     them. Cover every state that changes captions or pictures: capitals, levels, F6 menu,
//     help modes, hidden and shown controls.
//  2. Each entry shows the form as its program does (the program folder entered as main() does
//     with platform::enterProgramFolder(), the suite options written to the program folder, the
//     command line set, the real constructor and Form_Load), and calls `look` once
//     while the form is on screen: inside `whenShown` for a modal dialog, after show() for a
//     modeless window. Then it answers or closes what it opened.
//  3. Add one line `tavoro_form_table(<program> <its library target>)` to tests/forms/CMakeLists.txt.
// Run: `ctest -R test_forms_<program>`; look: `cmake --build build --target gallery`.

#include "tests/support/fixture.h"

#include <functional>
#include <vector>

namespace platform {
class Form;
}

namespace forms_check {

// The test environment an entry sets its program up in: own program, data and temp folders,
// fake services; `programDir()`, `writeFile()`, `copyFromSuite()`, `copyFolderFromSuite()`,
// `processes->arguments`, ...
class FormEnvironment : public testing_support::SuiteTest {
public:
    using SuiteTest::appDataDir;
    using SuiteTest::clock;
    using SuiteTest::copyFromSuite;
    using SuiteTest::dataDir;
    using SuiteTest::programDir;
    using SuiteTest::writeFile;
    using SuiteTest::display;
    using SuiteTest::messages;
    using SuiteTest::processes;

    // Copies a folder of the built program folder (pictures, keys, design) into the test's.
    void copyFolderFromSuite(const QString& folder) const;
};

using Look = std::function<void(platform::Form&)>;

struct FormState {
    const char* form;    // the form's name
    const char* state;   // short, unique within the form: "start", "F6", "capitals", ...
    std::function<void(FormEnvironment&, const Look&)> show;
};

// Presses F6 (the teacher menu) in the window, then looks at it.
Look afterF6(const Look& look);
// Looks at the next showing of the dialog `form`, then closes it.
void lookAndClose(const QString& form, const Look& look);

// The program's own table, defined in <program>_forms.cpp.
const std::vector<FormState>& formStates();

} // namespace forms_check

// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/forms/exercise_forms.h"

#include "exercises/free_writing/Form1.h"

#include "framework/SuiteOptions.h"

#include "platform/files.h"

#include <QTest>

using forms_check::FormEnvironment;
using forms_check::FormState;
using forms_check::Look;
using free_writing::Form1;

namespace {

struct Start {
    SuiteOptions options{};
    int printButton = 0;   // "options3.ini": 1 shows "Drucken"
};

// The free writing window as a pupil meets it, with the key pictures and table pictures installed.
void withFreeWriting(FormEnvironment& env, const Start& s, const std::function<void(Form1&)>& then)
{
    forms_check::prepareExercise(env, s.options, "Q", {"design", "keys"});
    env.writeFile(env.dataDir() + "/options3.ini", {platform::formatNumber(s.printButton)});
    for (const char* table : {"Tabelle.gif", "Tabelle2.gif"})
        env.copyFromSuite(table);
    forms_check::showExercise<Form1>(then);
}

// The teacher prints the tables; the dialog is looked at or confirmed.
void printTables(Form1& f, const Look& lookAtDialog)
{
    testing_support::whenShown("Qualität", [lookAtDialog](platform::Form& dialog) {
        if (lookAtDialog) {
            lookAtDialog(dialog);
            dialog.unload();
        } else {
            QTest::mouseClick(dialog.findChild<QPushButton*>("Command1"), Qt::LeftButton);
        }
    });
    QTest::keyClick(&f, Qt::Key_F6);
    f.Drucken1->trigger();
}

} // namespace

const std::vector<FormState>& forms_check::formStates()
{
    static const std::vector<FormState> states{
        {"Form1", "start", [](FormEnvironment& env, const Look& look) { withFreeWriting(env, {}, look); }},
        {"Form1", "print_button", [](FormEnvironment& env, const Look& look) {
             withFreeWriting(env, {.printButton = 1}, look);
         }},
        {"Form1", "capitals", [](FormEnvironment& env, const Look& look) {
             withFreeWriting(env, {.options = {.Buchstaben = -1}, .printButton = 1}, look);
         }},
        {"Form1", "F6", [](FormEnvironment& env, const Look& look) {
             withFreeWriting(env, {}, [&](Form1& f) {
                 QTest::keyClick(&f, Qt::Key_F6);
                 look(f);
             });
         }},
        {"Form1", "after_table_print", [](FormEnvironment& env, const Look& look) {
             withFreeWriting(env, {.printButton = 1}, [&](Form1& f) {
                 QTest::keyClicks(&f, "Ich mag Eis");
                 printTables(f, {});
                 look(f);
             });
         }},
        {"Qualitaet", "tables", [](FormEnvironment& env, const Look& look) {
             withFreeWriting(env, {}, [&](Form1& f) { printTables(f, look); });
         }},
    };
    return states;
}

// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/forms/form_states.h"

#include "taskmanager/Form1.h"
#include "taskmanager/Form2.h"
#include "taskmanager/ManagerFile.h"

#include "platform/files.h"
#include "platform/services.h"

#include <QTest>

using forms_check::FormEnvironment;
using forms_check::FormState;
using forms_check::Look;

namespace {

// The task manager as the teacher meets it, with "manager.ini" from `settings`.
void withTaskManager(FormEnvironment& env, const taskmanager::ManagerSettings& settings,
                     const std::function<void(taskmanager::Form1&)>& then)
{
    env.writeFile(env.programDir() + "/Protokoll/Namen.ini", {"Anna", "Ben"});
    env.writeFile(env.programDir() + "/options4.ini",
                  {" 0 ", " 0 ", "-1 ", " 0 ", " 0 ", "-1 ", " 0 ", " 1 ", " 0 ", " 0 ", " 1 "});
    env.writeFile(env.programDir() + "/manager.ini", taskmanager::managerLines(settings));
    env.copyFolderFromSuite("design");
    platform::enterProgramFolder();
    taskmanager::TaskManagerState state;
    state.PupilName = "Anna";
    taskmanager::Form1 manager(state);
    manager.show();
    then(manager);
}

taskmanager::ManagerSettings withSets(int logging, int allowedErrors)
{
    taskmanager::ManagerSettings s;
    s.sets[0] = {"Lesen", {2, 7, 0, 0, 0}};
    s.logging = logging;
    s.allowedErrors = allowedErrors;
    return s;
}

// A dialog of the "Optionen" menu: looked at while it is shown, then closed.
void lookAtDialog(taskmanager::Form1& manager, const char* item, const char* name, const Look& look)
{
    testing_support::whenShown(name, [&look](platform::Form& dialog) {
        look(dialog);
        dialog.unload();
    });
    manager.findChild<QAction*>(item)->trigger();
}

} // namespace

const std::vector<FormState>& forms_check::formStates()
{
    static const std::vector<FormState> states{
        {"Form1", "start", [](FormEnvironment& env, const Look& look) { withTaskManager(env, withSets(0, -1), look); }},
        {"Form1", "logging", [](FormEnvironment& env, const Look& look) {
             withTaskManager(env, withSets(-1, -1), look);
         }},
        {"Form2", "start", [](FormEnvironment& env, const Look& look) {
             withTaskManager(env, withSets(0, -1), [&](taskmanager::Form1& f) {
                 lookAtDialog(f, "Einstellungen", "Form2", look);
             });
         }},
        {"Form2", "allowed_errors", [](FormEnvironment& env, const Look& look) {
             withTaskManager(env, withSets(-1, 3), [&](taskmanager::Form1& f) {
                 lookAtDialog(f, "Einstellungen", "Form2", look);
             });
         }},
        {"Protokolle", "start", [](FormEnvironment& env, const Look& look) {
             withTaskManager(env, withSets(-1, -1), [&](taskmanager::Form1& f) {
                 lookAtDialog(f, "Anzeigen", "Protokolle", look);
             });
         }},
        {"NamenAnzeigen", "start", [](FormEnvironment& env, const Look& look) {
             withTaskManager(env, withSets(-1, -1), [&](taskmanager::Form1& f) {
                 lookAtDialog(f, "NamenAnz", "NamenAnzeigen", look);
             });
         }},
    };
    return states;
}

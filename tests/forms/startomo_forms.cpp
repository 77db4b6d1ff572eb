// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/forms/form_states.h"

#include "launcher/Form1.h"
#include "launcher/LauncherState.h"

#include "platform/files.h"
#include "platform/services.h"

#include <QTest>

using forms_check::FormEnvironment;
using forms_check::FormState;
using forms_check::Look;
using launcher::Form1;
using launcher::LauncherState;

namespace {

struct Options {
    int ProtSave = 0;
    int Buchstaben = 0;
};

void writeOptions(FormEnvironment& env, Options o)
{
    const auto n = [](int v) { return platform::formatNumber(v); };
    env.writeFile(env.programDir() + "/options4.ini",
                  {n(0), n(0), n(-1), n(0), n(o.Buchstaben), n(-1), n(0), n(1), n(0), n(0), n(o.ProtSave)});
    env.writeFile(env.programDir() + "/Protokoll_2/Namen.ini", {"Anna", "Ben"});
    env.copyFolderFromSuite("design");
}

// The launcher as a pupil meets it; `then` acts on the shown window.
void withLauncher(FormEnvironment& env, Options o, const QString& commandLine,
                  const std::function<void(Form1&)>& then)
{
    writeOptions(env, o);
    platform::enterProgramFolder();
    LauncherState state;
    state.CommandLine = commandLine;
    Form1 launcher(state);
    launcher.show();
    then(launcher);
}

// A dialog the teacher menu opens modally: looked at while it is shown, then closed.
void lookAtDialog(Form1& launcher, QAction* item, const char* name, const Look& look)
{
    testing_support::whenShown(name, [&look](platform::Form& dialog) {
        look(dialog);
        dialog.unload();
    });
    QTest::keyClick(&launcher, Qt::Key_F6);
    item->trigger();
}

} // namespace

const std::vector<FormState>& forms_check::formStates()
{
    static const std::vector<FormState> states{
        {"Form1", "start", [](FormEnvironment& env, const Look& look) {
             withLauncher(env, {}, {}, look);
         }},
        {"Form1", "pupil_name", [](FormEnvironment& env, const Look& look) {
             withLauncher(env, {.ProtSave = 1}, "/n=\"Anna\"", look);
         }},
        {"Form1", "F6", [](FormEnvironment& env, const Look& look) {
             withLauncher(env, {.ProtSave = 1}, "/n=\"Anna\"", [&](Form1& f) {
                 QTest::keyClick(&f, Qt::Key_F6);
                 look(f);
             });
         }},
        {"Man_Namen", "start", [](FormEnvironment& env, const Look& look) {
             testing_support::whenShown("Man_Namen", [&look](platform::Form& dialog) {
                 look(dialog);
                 dialog.unload();
             });
             withLauncher(env, {.ProtSave = 1}, {}, [](Form1&) {});
         }},
        {"Man_NamenAnzeigen", "start", [](FormEnvironment& env, const Look& look) {
             withLauncher(env, {.ProtSave = 1}, "/n=\"Anna\"", [&](Form1& f) {
                 lookAtDialog(f, f.M_Namen, "Man_NamenAnzeigen", look);
             });
         }},
        {"Man_Protokolle", "start", [](FormEnvironment& env, const Look& look) {
             withLauncher(env, {.ProtSave = 1}, "/n=\"Anna\"", [&](Form1& f) {
                 lookAtDialog(f, f.M_ProtokolleAnzeigen, "Man_Protokolle", look);
             });
         }},
        {"Form2", "start", [](FormEnvironment& env, const Look& look) {
             withLauncher(env, {.ProtSave = 1}, "/n=\"Anna\"", [&](Form1& f) {
                 QTest::keyClick(&f, Qt::Key_F6);
                 f.M_Optionen->trigger();
                 platform::Form* options = platform::findForm("Form2");
                 ASSERT_NE(options, nullptr);
                 look(*options);
                 options->unload();
             });
         }},
    };
    return states;
}

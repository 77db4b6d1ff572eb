// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/forms/exercise_forms.h"

#include "exercises/typewriter/Form1.h"

#include "framework/SStufe.h"
#include "framework/SuiteOptions.h"

#include <QTest>

using forms_check::FormEnvironment;
using forms_check::FormState;
using forms_check::Look;
using typewriter::Form1;

namespace {

struct Start {
    SuiteOptions options{};
    int helpMode = 1;                 // "options2.ini": 1 with help, 2 without
    QString arguments = "Q";
    std::function<void(platform::Form&)> onLevelDialog{};
};

// The typewriter as a pupil meets it: the level dialog answered with "alle Wörter".
void withTypewriter(FormEnvironment& env, const Start& s, const std::function<void(Form1&)>& then)
{
    forms_check::prepareExercise(env, s.options, s.arguments, {"design", "keys"}, true);
    env.writeFile(env.dataDir() + "/options2.ini", {platform::formatNumber(s.helpMode)});
    testing_support::answerLevelDialog<SStufe>("SStufe", {2}, s.onLevelDialog);
    forms_check::showExercise<Form1>(then);
}

void lookAtLevelDialog(FormEnvironment& env, Start s, const Look& look)
{
    s.onLevelDialog = look;
    withTypewriter(env, s, [](Form1&) {});
}

} // namespace

const std::vector<FormState>& forms_check::formStates()
{
    static const std::vector<FormState> states{
        {"SStufe", "start", [](FormEnvironment& env, const Look& look) { lookAtLevelDialog(env, {}, look); }},
        {"SStufe", "own_pictures", [](FormEnvironment& env, const Look& look) {
             lookAtLevelDialog(env, {.options = {.optEigeneBilder = 1}}, look);
         }},
        {"Form1", "with_help", [](FormEnvironment& env, const Look& look) { withTypewriter(env, {}, look); }},
        {"Form1", "without_help", [](FormEnvironment& env, const Look& look) {
             withTypewriter(env, {.helpMode = 2}, look);
         }},
        {"Form1", "capitals", [](FormEnvironment& env, const Look& look) {
             withTypewriter(env, {.options = {.Buchstaben = -1}}, look);
         }},
        {"Form1", "F6", [](FormEnvironment& env, const Look& look) {
             withTypewriter(env, {}, forms_check::afterF6(look));
         }},
        {"Form1", "assignment_F6", [](FormEnvironment& env, const Look& look) {
             withTypewriter(env, {.arguments = "Q03A"}, forms_check::afterF6(look));
         }},
        {"Qualitaet", "word_cards", [](FormEnvironment& env, const Look& look) {
             withTypewriter(env, {}, [&](Form1& f) {
                 forms_check::lookAndClose("Qualität", look);
                 QTest::keyClick(&f, Qt::Key_F6);
                 f.Drucken2->trigger();
             });
         }},
        {"Protokoll", "block_result", [](FormEnvironment& env, const Look& look) {
             withTypewriter(env, {.options = {.Proto = -1}}, [&](Form1& f) {
                 forms_check::lookAndClose("Protokoll", look);
                 QTest::keyClick(&f, Qt::Key_F6);
                 for (int word = 0; word < 10; ++word)
                     f.WFehler->trigger();
             });
         }},
    };
    return states;
}

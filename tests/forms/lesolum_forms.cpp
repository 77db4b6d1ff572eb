// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/forms/exercise_forms.h"

#include "exercises/word_reading/Form1.h"

#include "framework/SStufe.h"
#include "framework/SuiteOptions.h"

#include <QTest>

using forms_check::FormEnvironment;
using forms_check::FormState;
using forms_check::Look;
using word_reading::Form1;

namespace {

using Start = forms_check::ExerciseStart;

// Word reading as a pupil meets it, the level dialog answered with "alle Wörter"; the first word
// is "Schraube", the widest of the table.
void withReading(FormEnvironment& env, const Start& s, const std::function<void(Form1&)>& then)
{
    forms_check::prepareExercise(env, s.options, s.arguments, {"design"}, true);
    env.clock->randoms = {89.5 / 100};
    testing_support::answerLevelDialog<SStufe>("SStufe", {s.level}, s.onLevelDialog);
    forms_check::showExercise<Form1>(then);
}

void lookAtLevelDialog(FormEnvironment& env, Start s, const Look& look)
{
    s.onLevelDialog = look;
    withReading(env, s, [](Form1&) {});
}

// Clicks a picture: the right one or a wrong one for the shown word.
void answer(Form1& f, bool right)
{
    for (std::size_t k = 1; k < f.Bild.size(); ++k) {
        if ((platform::tag(f.Bild[k]) == f.Anzeige->text()) == right) {
            QTest::mouseClick(f.Bild[k], Qt::LeftButton);
            return;
        }
    }
}

} // namespace

const std::vector<FormState>& forms_check::formStates()
{
    static const std::vector<FormState> states{
        {"SStufe", "start", [](FormEnvironment& env, const Look& look) { lookAtLevelDialog(env, {}, look); }},
        {"SStufe", "own_pictures", [](FormEnvironment& env, const Look& look) {
             lookAtLevelDialog(env, {.options = {.optEigeneBilder = 1}}, look);
         }},
        {"Form1", "start", [](FormEnvironment& env, const Look& look) { withReading(env, {}, look); }},
        {"Form1", "capitals", [](FormEnvironment& env, const Look& look) {
             withReading(env, {.options = {.Buchstaben = -1}}, look);
         }},
        {"Form1", "right", [](FormEnvironment& env, const Look& look) {
             withReading(env, {}, [&](Form1& f) {
                 answer(f, true);
                 look(f);
             });
         }},
        {"Form1", "wrong", [](FormEnvironment& env, const Look& look) {
             withReading(env, {}, [&](Form1& f) {
                 answer(f, false);
                 look(f);
             });
         }},
        {"Form1", "F6", [](FormEnvironment& env, const Look& look) { withReading(env, {}, afterF6(look)); }},
        {"Form1", "assignment_F6", [](FormEnvironment& env, const Look& look) {
             withReading(env, {.arguments = "Q03A"}, afterF6(look));
         }},
        {"Protokoll", "block_result", [](FormEnvironment& env, const Look& look) {
             withReading(env, {.options = {.Proto = -1}}, [&](Form1& f) {
                 lookAndClose("Protokoll", look);
                 for (int word = 0; word < 10; ++word) {
                     answer(f, true);
                     env.clock->advance(3000);
                 }
             });
         }},
    };
    return states;
}

// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/forms/exercise_forms.h"

#include "tests/common/tile_puzzle_test.h"

#include "exercises/word_puzzle/Form1.h"

#include "framework/SStufe.h"
#include "framework/SuiteOptions.h"

#include <QTest>

using forms_check::FormEnvironment;
using forms_check::FormState;
using forms_check::Look;
using word_puzzle::Form1;

namespace tile_puzzle = testing_support::tile_puzzle;

namespace {

using Start = forms_check::ExerciseStart;

// The word puzzle as a pupil meets it, its level dialog answered with "alle Wörter".
void withPuzzle(FormEnvironment& env, const Start& s, const std::function<void(Form1&)>& then)
{
    forms_check::prepareExercise(env, s.options, s.arguments, {"design"}, true);
    testing_support::answerLevelDialog<SStufe>("SStufe", {s.level}, s.onLevelDialog);
    forms_check::showExercise<Form1>(then);
}

} // namespace

const std::vector<FormState>& forms_check::formStates()
{
    static const std::vector<FormState> states{
        {"SStufe", "start", [](FormEnvironment& env, const Look& look) {
             withPuzzle(env, {.onLevelDialog = look}, [](Form1&) {});
         }},
        {"SStufe", "own_pictures", [](FormEnvironment& env, const Look& look) {
             withPuzzle(env, {.options = {.optEigeneBilder = 1}, .onLevelDialog = look},
                        [](Form1&) {});
         }},
        {"Form1", "start", [](FormEnvironment& env, const Look& look) { withPuzzle(env, {}, look); }},
        {"Form1", "capitals", [](FormEnvironment& env, const Look& look) {
             withPuzzle(env, {.options = {.Buchstaben = -1}}, look);
         }},
        {"Form1", "wrong", [](FormEnvironment& env, const Look& look) {
             withPuzzle(env, {}, [&](Form1& f) {
                 tile_puzzle::clickTile(f, tile_puzzle::wrongTile(f));
                 look(f);
             });
         }},
        {"Form1", "solved", [](FormEnvironment& env, const Look& look) {
             withPuzzle(env, {}, [&](Form1& f) {
                 tile_puzzle::buildWord(f);
                 look(f);
             });
         }},
        {"Form1", "F6", [](FormEnvironment& env, const Look& look) {
             withPuzzle(env, {}, forms_check::afterF6(look));
         }},
        {"Form1", "assignment_F6", [](FormEnvironment& env, const Look& look) {
             withPuzzle(env, {.arguments = "Q03A"}, forms_check::afterF6(look));
         }},
        {"Qualitaet", "worksheets", [](FormEnvironment& env, const Look& look) {
             withPuzzle(env, {}, [&](Form1& f) {
                 forms_check::lookAndClose("Qualität", look);
                 f.Drucken->trigger();
             });
         }},
        {"Protokoll", "block_result", [](FormEnvironment& env, const Look& look) {
             withPuzzle(env, {.options = {.Proto = -1}}, [&](Form1& f) {
                 forms_check::lookAndClose("Protokoll", look);
                 for (int word = 0; word < 10; ++word)
                     f.WFehler->trigger();
             });
         }},
    };
    return states;
}

// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/forms/exercise_forms.h"

#include "tests/common/tile_puzzle_test.h"

#include "exercises/syllable_puzzle/Form1.h"

#include "framework/ListAuswahl.h"
#include "framework/Qualitaet.h"
#include "framework/SStufe.h"
#include "framework/SuiteOptions.h"

#include <QTest>

using forms_check::FormEnvironment;
using forms_check::FormState;
using forms_check::Look;
using syllable_puzzle::Form1;

namespace tile_puzzle = testing_support::tile_puzzle;

namespace {

using Start = forms_check::ExerciseStart;

// The syllable puzzle as a pupil meets it, its level dialog answered by a click.
void withPuzzle(FormEnvironment& env, const Start& s, const std::function<void(Form1&)>& then)
{
    forms_check::prepareExercise(env, s.options, s.arguments);
    env.writeFile(env.dataDir() + "/Listen/Tiere", {"Ka-nin-chen", "Hund"});
    testing_support::answerLevelDialog<SStufe2>("SStufe2", {s.level}, s.onLevelDialog);
    forms_check::showExercise<Form1>(then);
}

void chooseList(ListAuswahl& dialog)
{
    const auto items = dialog.Datei->findItems("Tiere", Qt::MatchExactly);
    QTest::mouseClick(dialog.Datei->viewport(), Qt::LeftButton, {},
                      dialog.Datei->visualItemRect(items.first()).center());
}

} // namespace

const std::vector<FormState>& forms_check::formStates()
{
    static const std::vector<FormState> states{
        {"SStufe2", "start", [](FormEnvironment& env, const Look& look) {
             withPuzzle(env, {.onLevelDialog = look}, [](Form1&) {});
         }},
        {"SStufe2", "own_pictures", [](FormEnvironment& env, const Look& look) {
             withPuzzle(env, {.options = {.optEigeneBilder = 1}, .onLevelDialog = look}, [](Form1&) {});
         }},
        {"Form1", "built_in", [](FormEnvironment& env, const Look& look) { withPuzzle(env, {}, look); }},
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
        {"ListAuswahl", "own_lists", [](FormEnvironment& env, const Look& look) {
             testing_support::whenShown("ListAuswahl", [&look](platform::Form& dialog) {
                 look(dialog);
                 chooseList(static_cast<ListAuswahl&>(dialog));
             });
             withPuzzle(env, {.level = 4}, [](Form1&) {});
         }},
        {"Form1", "word_list", [](FormEnvironment& env, const Look& look) {
             testing_support::whenShown("ListAuswahl", [](platform::Form& dialog) {
                 chooseList(static_cast<ListAuswahl&>(dialog));
             });
             withPuzzle(env, {.level = 4}, look);
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
        {"Form1", "printed", [](FormEnvironment& env, const Look& look) {
             withPuzzle(env, {}, [&](Form1& f) {
                 testing_support::whenShown("Qualität", [](platform::Form& dialog) {
                     QTest::mouseClick(static_cast<Qualitaet&>(dialog).Command1, Qt::LeftButton);
                 });
                 f.Drucken->trigger();
                 look(f);
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

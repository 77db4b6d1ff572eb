// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/forms/exercise_forms.h"

#include "exercises/syllable_marking/Form1.h"

#include "framework/SStufe.h"
#include "framework/SuiteOptions.h"

#include "platform/forms/twips.h"

#include <QTest>

using forms_check::FormEnvironment;
using forms_check::FormState;
using forms_check::Look;
using syllable_marking::Form1;

namespace {

using Start = forms_check::ExerciseStart;

// Syllable recognition as a pupil meets it: the level dialog answered, the first word presented.
void withBogenblick(FormEnvironment& env, const Start& s, const std::function<void(Form1&)>& then)
{
    forms_check::prepareExercise(env, s.options, s.arguments);
    env.writeFile(env.dataDir() + "/Listen/Tiere.txt", {"Kro-ko-dil", "Pa-pa-gei"});
    testing_support::answerLevelDialog<SStufe2>("SStufe2", {s.level}, s.onLevelDialog);
    testing_support::whenShown("ListAuswahl", [](platform::Form& dialog) {
        auto* list = dialog.findChild<QListWidget*>("Datei");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
    });
    forms_check::showExercise<Form1>(then);
}

// Marks every boundary, so the child is asked to write the word.
void markWord(Form1& f)
{
    for (int next = 1; f.task.AktNummer == next && next <= 5; ++next) {
        const int x = platform::textWidthTwips(f.Anzeige, f.task.word.prefix(next));
        QTest::mouseClick(f.Anzeige, Qt::LeftButton, {}, QPoint(platform::twipsToPixels(x), 5));
    }
}

} // namespace

const std::vector<FormState>& forms_check::formStates()
{
    static const std::vector<FormState> states{
        {"SStufe2", "start", [](FormEnvironment& env, const Look& look) {
             withBogenblick(env, {.onLevelDialog = look}, [](Form1&) {});
         }},
        {"SStufe2", "own_pictures", [](FormEnvironment& env, const Look& look) {
             withBogenblick(env, {.options = {.optEigeneBilder = 1}, .onLevelDialog = look}, [](Form1&) {});
         }},
        {"Form1", "marking", [](FormEnvironment& env, const Look& look) { withBogenblick(env, {}, look); }},
        {"Form1", "writing", [](FormEnvironment& env, const Look& look) {
             withBogenblick(env, {}, [&](Form1& f) {
                 markWord(f);
                 look(f);
             });
         }},
        {"Form1", "word_lists", [](FormEnvironment& env, const Look& look) {
             withBogenblick(env, {.level = 4}, look);
         }},
        {"Form1", "F6", [](FormEnvironment& env, const Look& look) {
             withBogenblick(env, {}, [&](Form1& f) {
                 QTest::keyClick(&f, Qt::Key_F6);
                 look(f);
             });
         }},
        {"Form1", "assignment_F6", [](FormEnvironment& env, const Look& look) {
             withBogenblick(env, {.arguments = "Q03A"}, [&](Form1& f) {
                 QTest::keyClick(&f, Qt::Key_F6);
                 look(f);
             });
         }},
    };
    return states;
}

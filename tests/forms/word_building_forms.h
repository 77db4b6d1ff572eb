// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The form states of the two word-building programs, for their forms tables.
#include "tests/forms/exercise_forms.h"

#include "exercises/word_building/Form1.h"

#include "framework/SStufe.h"
#include "framework/SuiteOptions.h"

#include <QTest>

namespace word_building_forms {

using forms_check::FormEnvironment;
using forms_check::FormState;
using forms_check::Look;

struct Start {
    SuiteOptions options{};
    QString arguments = "Q";
    int word = 0;   // the first word drawn from all words; 0: any
};

template <class Words>
void withWindow(FormEnvironment& env, const Start& s, const std::function<void(word_building::Form1&)>& then)
{
    forms_check::prepareExercise(env, s.options, s.arguments, {"design"}, true);
    const Words words;
    if (s.word != 0)
        env.clock->randoms.push_back((s.word - 0.5) / words.levels[2].pool);
    testing_support::answerLevelDialog<SStufe>("SStufe", {2});
    forms_check::showExercise<word_building::Form1>(then, words);
}

inline void revealAll(word_building::Form1& f)
{
    for (QLabel* slot : f.Karte)
        QTest::mouseClick(slot, Qt::LeftButton);
}

template <class Words>
std::vector<FormState> states(int widestWord, bool capitals)
{
    std::vector<FormState> result{
        {"Form1", "start", [](FormEnvironment& env, const Look& look) { withWindow<Words>(env, {}, look); }},
        {"Form1", "widest_word", [widestWord](FormEnvironment& env, const Look& look) {
             withWindow<Words>(env, {.word = widestWord}, [&](word_building::Form1& f) {
                 revealAll(f);
                 look(f);
             });
         }},
        {"Form1", "F6", [](FormEnvironment& env, const Look& look) {
             withWindow<Words>(env, {.options = {.optEigeneBilder = 1}}, forms_check::afterF6(look));
         }},
        {"Form1", "assignment_F6", [](FormEnvironment& env, const Look& look) {
             withWindow<Words>(env, {.arguments = "Q03A"}, forms_check::afterF6(look));
         }},
    };
    if (capitals)
        result.push_back({"Form1", "capitals", [widestWord](FormEnvironment& env, const Look& look) {
                              withWindow<Words>(env, {.options = {.Buchstaben = -1}, .word = widestWord},
                                                [&](word_building::Form1& f) {
                                                    revealAll(f);
                                                    look(f);
                                                });
                          }});
    return result;
}

} // namespace word_building_forms

#pragma once

// The form states of the two word-building programs, for their forms tables.
#include "form_states.h"

#include "Form1.h"

#include "SStufe.h"
#include "SuiteOptions.h"

#include "platform/services.h"

#include <QDir>
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
void withWindow(FormEnvironment& env, const Start& s, const std::function<void(Form1&)>& then)
{
    env.writeFile(env.programDir() + "/options4.ini", suiteOptionLines(s.options));
    env.copyFromSuite("startomo");
    env.copyFolderFromSuite("design");
    for (const QString& picture : QDir(TAVORO_SUITE_DIR).entryList({"*.bmp"}, QDir::Files))
        env.copyFromSuite(picture);
    env.processes->arguments = s.arguments;
    const Words words;
    if (s.word != 0)
        env.clock->randoms.push_back((s.word - 0.5) / words.levels[2].pool);
    testing_support::whenShown("SStufe", [](platform::Form& form) {
        QTest::mouseClick(static_cast<SStufe&>(form).Stufe[2], Qt::LeftButton);
    });
    // What the program's start does before its window loads.
    platform::enterProgramFolder();
    ExerciseState state;
    Form1 window(state, words);
    window.show();
    then(window);
    if (window.loaded())
        window.unload();
}

inline void revealAll(Form1& f)
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
             withWindow<Words>(env, {.word = widestWord}, [&](Form1& f) {
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
                                                [&](Form1& f) {
                                                    revealAll(f);
                                                    look(f);
                                                });
                          }});
    return result;
}

} // namespace word_building_forms

// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/forms/exercise_forms.h"

#include "exercises/syllable_riddle/Form1.h"

#include "framework/SuiteOptions.h"

#include <QTest>

using forms_check::FormEnvironment;
using forms_check::FormState;
using forms_check::Look;
using syllable_riddle::Form1;
using syllable_riddle::SyllableRiddle;

namespace {

struct Start {
    SuiteOptions options{};
    QString arguments = "Q";
    std::vector<int> words{};   // table words of the first turn, drawn from a fresh cycle
};

void withRiddle(FormEnvironment& env, const Start& s, const std::function<void(Form1&)>& then)
{
    forms_check::prepareExercise(env, s.options, s.arguments, {"design"}, true);
    for (std::size_t i = 0; i < s.words.size(); ++i) {
        const int before = static_cast<int>(std::count_if(s.words.begin(), s.words.begin() + static_cast<long>(i),
                                                          [&](int n) { return n < s.words[i]; }));
        env.clock->randoms.push_back((s.words[i] - before - 0.5) / (SyllableRiddle::kTableWords - static_cast<int>(i)));
    }
    forms_check::showExercise<Form1>(then);
}

void click(QWidget* button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

// Clicks the parts of the turn's first word still to join; `wrong` adds a wrong second syllable.
void joinNext(Form1& f, bool wrong = false)
{
    int first = 0;
    while (platform::tag(f.Silbe1[first]).isEmpty())
        ++first;
    const QString word = platform::tag(f.Silbe1[first]);
    click(f.Silbe1[first]);
    for (QPushButton* second : f.Silbe2) {
        const bool completes = f.Silbe1[first]->text() + second->text() == word;
        if (second->isEnabled() && completes != wrong) {
            click(second);
            break;
        }
    }
    if (wrong)
        return;
    for (QPushButton* picture : f.Bild)
        if (platform::tag(picture) == word)
            click(picture);
}

} // namespace

const std::vector<FormState>& forms_check::formStates()
{
    static const std::vector<FormState> states{
        {"Form1", "start", [](FormEnvironment& env, const Look& look) { withRiddle(env, {}, look); }},
        // Schrau-be, Schau-kel, Mu-schel, Tau-cher: the widest syllables of the table.
        {"Form1", "widest_syllables", [](FormEnvironment& env, const Look& look) {
             withRiddle(env, {.words = {48, 44, 25, 54}}, look);
         }},
        {"Form1", "joined", [](FormEnvironment& env, const Look& look) {
             withRiddle(env, {}, [&](Form1& f) {
                 joinNext(f);
                 look(f);
             });
         }},
        {"Form1", "wrong", [](FormEnvironment& env, const Look& look) {
             withRiddle(env, {}, [&](Form1& f) {
                 joinNext(f, true);
                 look(f);
             });
         }},
        {"Form1", "F6", [](FormEnvironment& env, const Look& look) {
             withRiddle(env, {}, [&](Form1& f) {
                 QTest::keyClick(&f, Qt::Key_F6);
                 look(f);
             });
         }},
        {"Form1", "assignment_F6", [](FormEnvironment& env, const Look& look) {
             withRiddle(env, {.arguments = "Q03A"}, [&](Form1& f) {
                 QTest::keyClick(&f, Qt::Key_F6);
                 look(f);
             });
         }},
        {"Protokoll", "block_result", [](FormEnvironment& env, const Look& look) {
             withRiddle(env, {.options = {.Proto = -1}}, [&](Form1& f) {
                 testing_support::whenShown("Protokoll", [&look](platform::Form& dialog) {
                     look(dialog);
                     dialog.unload();
                 });
                 for (int word = 0; word < 8; ++word) {
                     joinNext(f);
                     env.clock->advance(3000);
                 }
             });
         }},
    };
    return states;
}

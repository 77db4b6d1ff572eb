// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// One click on a first syllable handled and painted, offscreen, on the fake services with the
// built program folder.
#include "exercises/syllable_riddle/Form1.h"

#include "bench/bench_main.h"
#include "bench/window_bench.h"

#include <QTest>

using syllable_riddle::Form1;

namespace {

void SyllableClick(benchmark::State& state)
{
    FakeServices services;
    ExerciseState exerciseState;
    const std::unique_ptr<Form1> form = showExercise<Form1>(exerciseState, QString());
    if (!form || form->Silbe1[0]->text().isEmpty()) {
        state.SkipWithError("the riddle did not start");
        return;
    }
    timeAndPaint(
        state, *form, [&] { form->Silbe1[0]->click(); },
        [&] {
            form->Weiter();
            form->repaint();
        });
}
BENCHMARK(SyllableClick)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    return runOffscreenBenchmarks(argc, argv);
}

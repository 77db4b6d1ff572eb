// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// One key of the free writing keyboard clicked, handled and painted, offscreen, on the fake
// services with the built program folder. Should stay well under 2 ms.
#include "exercises/free_writing/Form1.h"

#include "bench/bench_main.h"
#include "bench/window_bench.h"

#include <QToolButton>

#include <benchmark/benchmark.h>

using free_writing::Form1;

namespace {

// A child's text grows to a few lines before it is started anew.
constexpr int kLongestText = 200;

void FreeWritingKeyClick(benchmark::State& state)
{
    FakeServices services;
    ExerciseState exerciseState;
    // Free writing asks for no level.
    const std::unique_ptr<Form1> form = showExercise<Form1>(exerciseState, QString());
    if (!form) {
        state.SkipWithError("the window was never exposed");
        return;
    }
    timeAndPaint(
        state, *form, [&] { form->Worttaste[22]->click(); },
        [&] {
            if (form->WortName.size() > kLongestText)
                form->weiter_Click();
        });
}
BENCHMARK(FreeWritingKeyClick)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    return runOffscreenBenchmarks(argc, argv);
}

// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The typewriter's start (load of its window up to the level dialog) and one key press handled
// and painted, offscreen, on the fake services with the built program folder.
#include "exercises/typewriter/Form1.h"

#include "bench/bench_main.h"
#include "bench/window_bench.h"

#include "platform/services.h"

#include <QTest>
#include <QToolButton>

#include <benchmark/benchmark.h>

#include <chrono>

using typewriter::Form1;

namespace {

using Clock = std::chrono::steady_clock;

void TypewriterStart(benchmark::State& state)
{
    FakeServices services;
    for (auto _ : state) {
        Clock::time_point shown;
        answerLevelDialog(QStringLiteral("SStufe"), QStringLiteral("alle Wörter"), shown);
        ExerciseState exerciseState;
        const auto start = Clock::now();
        Form1 form(exerciseState);
        form.load();
        state.SetIterationTime(std::chrono::duration<double>(shown - start).count());
        form.unload();
    }
    platform::setFormShownHook({});
}
BENCHMARK(TypewriterStart)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

void TypewriterKeyPress(benchmark::State& state)
{
    FakeServices services;
    ExerciseState exerciseState;
    const std::unique_ptr<Form1> form = showExercise<Form1>(exerciseState, QStringLiteral("SStufe"));
    if (!form) {
        state.SkipWithError("the window was never exposed");
        return;
    }
    timeAndPaint(
        state, *form, [&] { form->Worttaste[0]->click(); }, [&] { form->Timer1_Timer(); });
}
BENCHMARK(TypewriterKeyPress)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    return runOffscreenBenchmarks(argc, argv);
}

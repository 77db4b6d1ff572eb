// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// One slot click handled and painted, offscreen, on the fake services with the built program
// folder, for letters and syllables. Should stay well under 2 ms.
#include "exercises/word_building/Form1.h"
#include "exercises/word_building/LetterWords.h"
#include "exercises/word_building/SyllableBuildingWords.h"

#include "bench/bench_main.h"
#include "bench/window_bench.h"

#include <QTest>

using word_building::Form1;
using word_building::LetterWords;
using word_building::SyllableBuildingWords;

namespace {

template <class Words>
void SlotClick(benchmark::State& state)
{
    FakeServices services;
    ExerciseState exerciseState;
    const Words words;
    const std::unique_ptr<Form1> form = showExercise<Form1>(exerciseState, QStringLiteral("SStufe"), words);
    if (!form || form->task.Aktuell.isEmpty()) {
        state.SkipWithError("the word did not start");
        return;
    }
    timeAndPaint(
        state, *form, [&] { QTest::mouseClick(form->Karte[0], Qt::LeftButton); },
        [&] {
            form->Weiter();
            form->repaint();
        });
}
BENCHMARK(SlotClick<LetterWords>)->Unit(benchmark::kMicrosecond);
BENCHMARK(SlotClick<SyllableBuildingWords>)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    return runOffscreenBenchmarks(argc, argv);
}

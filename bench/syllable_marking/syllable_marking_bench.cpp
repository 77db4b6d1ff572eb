// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// One marking click on the shown word, handled and painted, offscreen, on the fake services with
// the built program folder. Should stay well under 2 ms.
#include "exercises/syllable_marking/Form1.h"

#include "bench/bench_main.h"
#include "bench/window_bench.h"

#include "platform/forms/twips.h"

#include <QTest>

using syllable_marking::Form1;

namespace {

void SyllableMarkingClick(benchmark::State& state)
{
    FakeServices services;
    ExerciseState exerciseState;
    const std::unique_ptr<Form1> form = showExercise<Form1>(exerciseState, QStringLiteral("SStufe2"));
    if (!form) {
        state.SkipWithError("the window was never exposed");
        return;
    }
    const int boundary = platform::textWidthTwips(form->Anzeige, form->task.word.prefix(1));
    const QPoint at(platform::twipsToPixels(boundary), form->Anzeige->height() / 2);
    QTest::mouseClick(form->Anzeige, Qt::LeftButton, {}, at);
    if (form->task.AktNummer != 2)
        state.SkipWithError("the click does not open the first boundary");
    form->Nochmal_Click();
    timeAndPaint(
        state, *form, [&] { QTest::mouseClick(form->Anzeige, Qt::LeftButton, {}, at); },
        [&] { form->Nochmal_Click(); });
}
BENCHMARK(SyllableMarkingClick)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    return runOffscreenBenchmarks(argc, argv);
}

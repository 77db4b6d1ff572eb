// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// One click on the right picture handled and painted, offscreen, on the fake services with the
// built program folder.
#include "exercises/word_reading/Form1.h"

#include "bench/bench_main.h"
#include "bench/window_bench.h"

#include <QTest>

using word_reading::Form1;

namespace {

QPushButton* rightPicture(const Form1& form)
{
    for (std::size_t k = 1; k < form.Bild.size(); ++k)
        if (platform::tag(form.Bild[k]) == form.Anzeige->text())
            return form.Bild[k];
    return form.Bild[1];
}

void PictureClick(benchmark::State& state)
{
    FakeServices services;
    ExerciseState exerciseState;
    const std::unique_ptr<Form1> form = showExercise<Form1>(exerciseState, QStringLiteral("SStufe"));
    if (!form || form->Anzeige->text().isEmpty()) {
        state.SkipWithError("word reading did not start");
        return;
    }
    timeAndPaint(
        state, *form, [&] { rightPicture(*form)->click(); },
        [&] {
            form->Weiter();
            form->repaint();
        });
}
BENCHMARK(PictureClick)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    return runOffscreenBenchmarks(argc, argv);
}

// One click on a first syllable handled and painted, offscreen, on the fake services with the
// built program folder.
#include "Form1.h"

#include "bench_main.h"
#include "bench_services.h"

#include <QTest>

namespace {

void SyllableClick(benchmark::State& state)
{
    FakeServices services;
    ExerciseState exerciseState;
    Form1 form(exerciseState);
    form.show();
    // A window that is not yet exposed is not painted at all.
    if (!QTest::qWaitForWindowExposed(&form) || form.Silbe1[0]->text().isEmpty()) {
        state.SkipWithError("the riddle did not start");
        return;
    }
    for (auto _ : state) {
        form.Silbe1[0]->click();
        form.repaint();   // the whole window, at once, as the screen would show it
        state.PauseTiming();
        form.Weiter();
        form.repaint();
        state.ResumeTiming();
    }
    form.unload();
}
BENCHMARK(SyllableClick)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    return runOffscreenBenchmarks(argc, argv);
}

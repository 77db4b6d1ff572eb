// One key of the free writing keyboard clicked, handled and painted, offscreen, on the fake
// services with the built program folder. Should stay well under 2 ms.
#include "Form1.h"

#include "bench_main.h"
#include "bench_services.h"

#include <QToolButton>

#include <benchmark/benchmark.h>

namespace {

// A child's text grows to a few lines before it is started anew.
constexpr int kLongestText = 200;

void FreeWritingKeyClick(benchmark::State& state)
{
    FakeServices services;
    ExerciseState exerciseState;
    Form1 form(exerciseState);
    form.show();
    for (auto _ : state) {
        form.Worttaste[22]->click();
        form.repaint();
        if (form.WortName.size() > kLongestText) {
            state.PauseTiming();
            form.weiter_Click();
            state.ResumeTiming();
        }
    }
    form.unload();
}
BENCHMARK(FreeWritingKeyClick)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    return runOffscreenBenchmarks(argc, argv);
}

// One tile click of the syllable puzzle handled and painted, offscreen, on the fake services
// with the built program folder.
#include "Form1.h"

#include "bench_main.h"
#include "tile_click_bench.h"

namespace {

void SyllableTileClick(benchmark::State& state)
{
    benchmarkTileClick<Form1>(state, QStringLiteral("SStufe2"), &Form1::NextWord);
}
BENCHMARK(SyllableTileClick)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    return runOffscreenBenchmarks(argc, argv);
}

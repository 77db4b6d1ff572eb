// One tile click of the word puzzle handled and painted, offscreen, on the fake services
// with the built program folder.
#include "Form1.h"

#include "tile_click_bench.h"

#include "platform/forms/application.h"

namespace {

void WordTileClick(benchmark::State& state)
{
    benchmarkTileClick<Form1>(state, QStringLiteral("SStufe"), &Form1::NewPuzzle);
}
BENCHMARK(WordTileClick)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    platform::Application app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

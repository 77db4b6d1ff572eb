// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// One tile click of the syllable puzzle handled and painted, offscreen, on the fake services
// with the built program folder.
#include "exercises/syllable_puzzle/Form1.h"

#include "bench/bench_main.h"
#include "bench/tile_click_bench.h"

using syllable_puzzle::Form1;

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

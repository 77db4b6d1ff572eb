// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// One tile click of the word puzzle handled and painted, offscreen, on the fake services
// with the built program folder.
#include "exercises/word_puzzle/Form1.h"

#include "bench/bench_main.h"
#include "bench/tile_click_bench.h"

using word_puzzle::Form1;

namespace {

void WordTileClick(benchmark::State& state)
{
    benchmarkTileClick<Form1>(state, QStringLiteral("SStufe"), &Form1::NewPuzzle);
}
BENCHMARK(WordTileClick)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    return runOffscreenBenchmarks(argc, argv);
}

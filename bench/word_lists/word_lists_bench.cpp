// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The launcher's first start with 0, 50, 200 and 800 central word lists: every list is received
// into a data folder that has none yet. "ms_per_list" should not grow with the number of lists.
#include "launcher/WordLists.h"

#include "platform/files.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void FirstStartWordListSync(benchmark::State& state)
{
    const int lists = static_cast<int>(state.range(0));
    QTemporaryDir root;
    const QString program = root.path() + QStringLiteral("/program");
    QDir().mkpath(program + QStringLiteral("/Listen"));
    for (int i = 0; i < lists; ++i)
        platform::writeTextFile(program + QStringLiteral("/Listen/Liste %1.txt").arg(i),
                                {QStringLiteral("Apfel"), QStringLiteral("Birne"), QStringLiteral("Katze")});
    int run = 0;
    double totalMs = 0;
    for (auto _ : state) {
        const QString data = root.path() + QStringLiteral("/data%1").arg(run++);
        QElapsedTimer timer;
        timer.start();
        launcher::WordListSync sync;
        sync.start(program, data);
        if (sync.finish().failed())
            state.SkipWithError("the synchronisation failed");
        const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
        state.SetIterationTime(ms / 1000.0);
        totalMs += ms;
        QDir(data).removeRecursively();
    }
    if (lists > 0)
        state.counters["ms_per_list"] = totalMs / static_cast<double>(state.iterations()) / lists;
}
BENCHMARK(FirstStartWordListSync)->Arg(0)->Arg(50)->Arg(200)->Arg(800)->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

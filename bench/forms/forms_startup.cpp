// Process start to the first window shown, offscreen, and the process's peak memory.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char** environ;

static void FormsRuntimeStartup(benchmark::State& state)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    long peakKb = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        pid_t pid = 0;
        char* argv[] = {const_cast<char*>(FORM_PROBE), nullptr};
        if (posix_spawn(&pid, FORM_PROBE, nullptr, nullptr, argv, environ) != 0) {
            state.SkipWithError("form_probe could not be started");
            return;
        }
        int status = 0;
        rusage usage{};
        wait4(pid, &status, 0, &usage);
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(elapsed.count());
        peakKb = std::max(peakKb, usage.ru_maxrss);
    }
    state.counters["peak_rss_MB"] = static_cast<double>(peakKb) / 1024.0;
}
BENCHMARK(FormsRuntimeStartup)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

BENCHMARK_MAIN();

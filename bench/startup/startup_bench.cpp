// Start-up of the real programs of the suite against a bare Qt window, in the same run: for each
// program the median time from process start to its first window shown and painted, its peak
// memory (RSS), and both as a ratio to the bare window. Offscreen, each program with a data
// folder of its own; the starts are interleaved, so a busy machine slows every row alike.
//
// To add a program: add one row to kPrograms below, with its executable's name in the program
// folder and the argument string a pupil's start gives it (the launcher starts exercises with
// "Q"). Nothing else: CMakeLists.txt builds every program of the suite before this benchmark.
//
// Usage: bench_startup [rounds]   (default 15, after one warm-up round that is not counted)
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include <csignal>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char** environ;

namespace {

struct Program {
    const char* executable;   // in the program folder
    const char* arguments;    // one argument string, as the suite passes it; empty for none
};

const Program kPrograms[] = {
    {"startomo", "/n=\"Anna\""},
    {"tastomat", "Q"},
    {"rateflor", "Q"},
    {"Kritzlon", "Q"},
    {"Fugolin", "Q"},
    {"plattix", "Q"},
    {"Pensumo", ""},
    {"bogenblick", "Q"},
    {"baudrom", "Q"},
    {"baudromsilben", "Q"},
    {"lesolum", "Q"},
};

constexpr double kTimeGoal = 1.30;
constexpr double kMemoryGoal = 1.15;
constexpr auto kNoWindowAfter = std::chrono::seconds(30);

struct Start {
    bool ok = false;
    double ms = 0;
    double peakMb = 0;
};

struct Row {
    std::string name;
    std::string path;
    std::string arguments;
    std::string dataFolder;
    std::vector<double> ms;
    std::vector<double> peakMb;
    bool failed = false;
};

std::vector<std::string> environmentFor(const Row& row, const std::string& tempFolder)
{
    const std::vector<std::string> replaced{"QT_QPA_PLATFORM=", "QT_PLUGIN_PATH=",
                                            "QT_QPA_GENERIC_PLUGINS=", "XDG_DATA_HOME=", "TMPDIR=",
                                            "XDG_RUNTIME_DIR="};
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        if (std::none_of(replaced.begin(), replaced.end(),
                         [&](const std::string& name) { return entry.rfind(name, 0) == 0; }))
            env.push_back(entry);
    }
    env.push_back("QT_QPA_PLATFORM=offscreen");
    env.push_back("QT_PLUGIN_PATH=" BENCH_DIR "/plugins");
    env.push_back("QT_QPA_GENERIC_PLUGINS=tavorofirstwindow");
    env.push_back("XDG_DATA_HOME=" + row.dataFolder);
    env.push_back("TMPDIR=" + tempFolder);
    env.push_back("XDG_RUNTIME_DIR=" + tempFolder);
    return env;
}

// One start until the first window has been painted (the probe plugin then ends the process).
Start startOnce(const Row& row, const std::string& tempFolder)
{
    std::vector<std::string> env = environmentFor(row, tempFolder);
    std::vector<char*> envp;
    for (std::string& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    std::string path = row.path;
    std::string argument = row.arguments;
    std::vector<char*> argv{path.data()};
    if (!argument.empty())
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    const auto begin = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, path.c_str(), nullptr, nullptr, argv.data(), envp.data()) != 0)
        return {};
    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, WNOHANG, &usage) == 0) {
        if (std::chrono::steady_clock::now() - begin > kNoWindowAfter) {
            ::kill(pid, SIGKILL);
            wait4(pid, &status, 0, &usage);
            return {};
        }
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - begin;
    const bool ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return {ok, elapsed.count(), static_cast<double>(usage.ru_maxrss) / 1024.0};
}

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    QTemporaryDir scratch;
    const std::string root = scratch.path().toStdString();
    const std::string tempFolder = root + "/temp";
    QDir().mkpath(QString::fromStdString(tempFolder));
    QFile::setPermissions(QString::fromStdString(tempFolder),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    std::vector<Row> rows;
    rows.push_back({"bare Qt window", BENCH_DIR "/bare_window", "", root + "/bare", {}, {}, false});
    for (const Program& p : kPrograms)
        rows.push_back({p.executable, std::string(TAVORO_SUITE_DIR "/") + p.executable, p.arguments,
                        root + "/" + p.executable, {}, {}, false});
    for (const Row& row : rows)
        QDir().mkpath(QString::fromStdString(row.dataFolder));

    for (int round = 0; round <= rounds; ++round) {
        for (Row& row : rows) {
            if (row.failed)
                continue;
            const Start start = startOnce(row, tempFolder);
            row.failed = !start.ok;
            if (round == 0 || !start.ok)
                continue;   // the warm-up round makes each data folder as a first start would
            row.ms.push_back(start.ms);
            row.peakMb.push_back(start.peakMb);
        }
    }

    if (rows.front().failed) {
        std::fprintf(stderr, "The bare window did not start.\n");
        return 1;
    }
    const double bareMs = median(rows.front().ms);
    const double bareMb = median(rows.front().peakMb);
    std::printf("%d starts each, offscreen; goal: at most %.2f x the time and %.2f x the memory "
                "of the bare window\n\n",
                rounds, kTimeGoal, kMemoryGoal);
    std::printf("%-16s %16s %13s %11s %13s\n", "program", "first window ms", "peak RSS MB",
                "time ratio", "memory ratio");
    bool allMet = true;
    for (const Row& row : rows) {
        if (row.failed) {
            std::printf("%-16s showed no window (is it built?)\n", row.name.c_str());
            allMet = false;
            continue;
        }
        const double ms = median(row.ms);
        const double mb = median(row.peakMb);
        const double timeRatio = ms / bareMs;
        const double memoryRatio = mb / bareMb;
        const bool met = timeRatio <= kTimeGoal && memoryRatio <= kMemoryGoal;
        allMet = allMet && met;
        std::printf("%-16s %16.1f %13.1f %11.2f %13.2f%s\n", row.name.c_str(), ms, mb, timeRatio,
                    memoryRatio, met ? "" : "  above the goal");
    }
    return allMet ? 0 : 2;
}

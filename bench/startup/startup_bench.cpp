// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up of the suite's real programs as a child waits for it: from the start of the process to
// its first window painted on a real X server (a private Xvfb without a window manager), each
// program started as a real start starts it, from a folder that is not the program folder.
// Every start is paired with a start of a bare QWidget window and of a bare window with one QLabel
// (the yardsticks, which pay for the same libraries and, with the label, for the fonts), in
// alternating order; the ratios are taken pair by pair, so a load that changes during the run
// touches both sides of a ratio alike.
//
// Rows: every program of the suite; the launcher's first start with 0, 50, 200 and 800 central word
// lists; and a real click on each exercise button of the running launcher to the exercise's first
// painted window, against the direct start of the exercise with the command line the launcher
// passed.
//
// Usage: bench_startup [--pairs N] [--one-core] [--only TEXT]   (run by hand; prints one table)
#include "bench/startup/starter.h"

#include "launcher/Launcher.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>

#include <sched.h>
#include <sys/prctl.h>

namespace fs = std::filesystem;

namespace {

using Start = std::function<std::optional<Measure>()>;

// Goals: a program's first window at most this many times the bare QLabel window's time and
// memory; the first start with the most lists at most this many times the one without; a click
// in the launcher at most this many times the direct start.
constexpr double kNearLabel = 1.10;
constexpr double kManyLists = 2.0;
constexpr double kClick = 1.05;
constexpr int kMostLists = 800;
constexpr int kListCounts[] = {0, 50, 200, kMostLists};
constexpr int kAttempts = 3;   // a pair whose start showed no window is run again this often

const std::string kSuite = TAVORO_SUITE_DIR;
const std::string kPupil = "Anna";

struct Row {
    std::string name;
    Start start;
    Start base;            // the start it is compared with pair by pair; none when empty
    double labelGoal = 0;  // at most this times the bare QLabel window's time and memory
    double baseGoal = 0;   // at most this times the base's time
};

// The measures of a row's pairs, one of each per pair.
struct Pairs {
    std::vector<Measure> row, widget, label, base;
};

// The starts of one pair, each once, in an order turned by `round` so none is always first.
std::optional<std::vector<Measure>> runPair(const std::vector<const Start*>& starts, int round)
{
    std::vector<Measure> measured(starts.size());
    for (std::size_t i = 0; i < starts.size(); ++i) {
        const std::size_t k = (i + static_cast<std::size_t>(round)) % starts.size();
        const std::optional<Measure> m = (*starts[k])();
        if (!m)
            return std::nullopt;
        measured[k] = *m;
    }
    return measured;
}

// The row's pairs after one pair that warms up and is not counted; none when a pair fails
// every attempt.
std::optional<Pairs> runRow(const Row& row, const Start& widget, const Start& label, int pairs)
{
    std::vector<const Start*> starts{&row.start, &widget, &label};
    if (row.base)
        starts.push_back(&row.base);
    Pairs result;
    for (int round = 0; round <= pairs; ++round) {
        std::optional<std::vector<Measure>> pair;
        for (int attempt = 0; attempt < kAttempts && !pair; ++attempt)
            pair = runPair(starts, round);
        if (!pair)
            return std::nullopt;
        if (round == 0)
            continue;
        result.row.push_back((*pair)[0]);
        result.widget.push_back((*pair)[1]);
        result.label.push_back((*pair)[2]);
        if (row.base)
            result.base.push_back((*pair)[3]);
    }
    return result;
}

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

template <class Of>
double medianOf(const std::vector<Measure>& measures, Of of)
{
    std::vector<double> values;
    for (const Measure& m : measures)
        values.push_back(of(m));
    return median(values);
}

template <class Of>
double medianRatio(const std::vector<Measure>& a, const std::vector<Measure>& b, Of of)
{
    std::vector<double> ratios;
    for (std::size_t i = 0; i < std::min(a.size(), b.size()); ++i)
        ratios.push_back(of(a[i]) / of(b[i]));
    return median(ratios);
}

struct Figures {
    double ms, msVsWidget, msVsLabel, mb, mbVsWidget, mbVsLabel, vsBase;
};

Figures figuresOf(const Pairs& p)
{
    const auto ms = [](const Measure& m) { return m.ms; };
    const auto mb = [](const Measure& m) { return m.peakRssMb; };
    return {medianOf(p.row, ms),          medianRatio(p.row, p.widget, ms), medianRatio(p.row, p.label, ms),
            medianOf(p.row, mb),          medianRatio(p.row, p.widget, mb), medianRatio(p.row, p.label, mb),
            medianRatio(p.row, p.base, ms)};
}

std::string goalOf(const Row& row, const Figures& f)
{
    if (row.labelGoal > 0)
        return f.msVsLabel <= row.labelGoal && f.mbVsLabel <= row.labelGoal ? "met" : "above";
    if (row.baseGoal > 0)
        return f.vsBase <= row.baseGoal ? "met" : "above";
    return {};
}

void printRow(const std::string& name, const Figures& f, bool withBase, const std::string& goal,
              const std::string& title)
{
    char base[16] = "";
    if (withBase)
        std::snprintf(base, sizeof base, "%.2f", f.vsBase);
    std::printf("%-40s %7.1f %8.2f %7.2f %7.1f %8.2f %7.2f %6s %-5s %s\n", name.c_str(), f.ms, f.msVsWidget,
                f.msVsLabel, f.mb, f.mbVsWidget, f.mbVsLabel, base, goal.c_str(), title.c_str());
}

std::string loadAverage()
{
    std::ifstream file("/proc/loadavg");
    std::string oneMinute;
    file >> oneMinute;
    return oneMinute;
}

// A copy of the program folder (hard links where the file system allows them) with `lists`
// central word lists in its "Listen": the further lists shipped with the suite, again and again
// under names of their own.
bool makeProgramFolder(const fs::path& folder, int lists)
{
    std::error_code error;
    fs::copy(kSuite, folder, fs::copy_options::recursive | fs::copy_options::create_hard_links, error);
    if (error) {
        fs::remove_all(folder, error);
        fs::copy(kSuite, folder, fs::copy_options::recursive, error);
    }
    if (error || !fs::create_directory(folder / "Listen", error))
        return false;
    std::vector<fs::path> samples;
    for (const fs::directory_entry& entry : fs::directory_iterator(fs::path(kSuite) / "WeitereListen"))
        samples.push_back(entry.path());
    std::sort(samples.begin(), samples.end());
    for (int i = 0; i < lists && !samples.empty(); ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "Liste %03d.txt", i + 1);
        if (!fs::copy_file(samples[static_cast<std::size_t>(i) % samples.size()], folder / "Listen" / name, error))
            return false;
    }
    return true;
}

// The folders of the run: the programs are started from `elsewhere`; `pupil` is the application
// data folder of a pupil who has used the suite before, `first` one that is empty before each
// first start.
struct Folders {
    fs::path root, elsewhere, temp, pupil, first;
    std::string pupilDataDir() const { return (pupil / "DA Ravezure" / "Tavoro").string(); }
};

class RowBuilder {
public:
    RowBuilder(Starter& starter, const Folders& folders) : starter_(starter), folders_(folders) {}

    Start bare(const std::vector<std::string>& arguments) const
    {
        return directStart(BENCH_DIR "/bare_window", arguments, folders_.root / "bare");
    }
    // Every program of the suite as a pupil or teacher starts it.
    void addPrograms(std::vector<Row>& rows) const
    {
        rows.push_back({"startomo, as a pupil starts it", suiteStart("startomo", {}), {}, kNearLabel});
        rows.push_back({"startomo, back from an exercise", suiteStart("startomo", {nameSwitch()}), {}, kNearLabel});
        for (const launcher::Exercise& e : launcher::kExercises)
            rows.push_back({executable(e), suiteStart(executable(e), {exerciseLine()}), {}, kNearLabel});
        rows.push_back({"Pensumo, as a teacher starts it", suiteStart("Pensumo", {}), {}, kNearLabel});
    }
    // The launcher's first start, the data folder empty, with central word lists.
    bool addFirstStarts(std::vector<Row>& rows) const
    {
        for (const int lists : kListCounts)
            if (!makeProgramFolder(listsFolder(lists), lists))
                return false;
        for (const int lists : kListCounts)
            rows.push_back({"startomo first start, " + std::to_string(lists) + " lists", firstStart(lists),
                            lists == 0 ? Start{} : firstStart(0), 0, lists == kMostLists ? kManyLists : 0});
        return true;
    }
    // A click on each exercise button of the launcher, against the direct start.
    void addClicks(std::vector<Row>& rows) const
    {
        for (const launcher::Exercise& e : launcher::kExercises) {
            auto passed = std::make_shared<std::vector<std::string>>(std::vector{exerciseLine()});
            const Command launcher{{kSuite + "/startomo", nameSwitch()}, environment(folders_.pupil)};
            const QPoint button = testing_support::twipsCentre(e.left, e.top, 2055, 1455);
            Start click = [this, launcher, button, passed] { return starter_.click(launcher, button, passed.get()); };
            const std::string program = kSuite + "/" + executable(e);
            Start direct = [this, program, passed] {
                std::vector<std::string> line{program};
                line.insert(line.end(), passed->begin(), passed->end());
                return starter_.direct({line, environment(folders_.pupil)});
            };
            rows.push_back({"click " + std::string(e.caption) + " in startomo", click, direct, 0, kClick});
        }
    }
    // The pupil's data folder as the launcher leaves it, before the runs.
    bool preparePupil() const
    {
        return starter_.direct({{kSuite + "/startomo", nameSwitch()}, environment(folders_.pupil)}).has_value();
    }
    std::string exerciseLine() const
    {
        return "Q /p=\"" + folders_.pupilDataDir() + "\" /n=\"" + kPupil + "\"";
    }

private:
    static std::string executable(const launcher::Exercise& e)
    {
        const std::string program = e.program;
        return program.substr(0, program.size() - 4);   // without ".exe"
    }
    static std::string nameSwitch() { return "/n=\"" + kPupil + "\""; }
    fs::path listsFolder(int lists) const { return folders_.root / ("lists-" + std::to_string(lists)); }
    std::vector<std::string> environment(const fs::path& appData) const
    {
        return starter_.environment(appData.string(), folders_.temp.string());
    }
    Start directStart(const std::string& path, const std::vector<std::string>& arguments, const fs::path& appData) const
    {
        std::vector<std::string> line{path};
        line.insert(line.end(), arguments.begin(), arguments.end());
        const Command command{line, environment(appData)};
        return [this, command] { return starter_.direct(command); };
    }
    Start suiteStart(const std::string& program, const std::vector<std::string>& arguments) const
    {
        return directStart(kSuite + "/" + program, arguments, folders_.pupil);
    }
    Start firstStart(int lists) const
    {
        const Command command{{(listsFolder(lists) / "startomo").string()}, environment(folders_.first)};
        const fs::path first = folders_.first;
        return [this, command, first] {
            fs::remove_all(first);
            fs::create_directories(first);
            return starter_.direct(command);
        };
    }

    Starter& starter_;
    const Folders& folders_;
};

void printTable(const std::vector<Row>& rows, const std::vector<std::optional<Pairs>>& results,
                const Pairs& widget, const Pairs& label)
{
    std::printf("%-40s %7s %8s %7s %7s %8s %7s %6s %-5s %s\n", "start", "ms", "/QWidget", "/QLabel", "RSS MB",
                "/QWidget", "/QLabel", "/base", "goal", "first painted window");
    printRow("bare QWidget window", figuresOf(widget), false, "", "bare_window");
    printRow("bare window with one QLabel", figuresOf(label), false, "", "bare_window");
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (!results[i]) {
            std::printf("%-40s showed no painted window within 30 s, %d times\n", rows[i].name.c_str(), kAttempts);
            continue;
        }
        const Figures f = figuresOf(*results[i]);
        printRow(rows[i].name, f, bool(rows[i].base), goalOf(rows[i], f), results[i]->row.front().title);
    }
}

void printLegend(const std::string& exerciseLine)
{
    std::printf(
        "\nms: median from the start of the process (posix_spawn) to its first window mapped and painted, seen\n"
        "    from outside through the X server; for a click, from the release of the real click (xdotool) on the\n"
        "    launcher's button to the exercise's window.\n"
        "RSS MB: median of the process's peak resident memory (VmHWM) at that moment.\n"
        "/QWidget, /QLabel: median over the pairs of the row's figure divided by that of the bare window in the\n"
        "    same pair. /base: the same for the time against the start the row names as its base: the first\n"
        "    start without lists; the direct start of the exercise with the command line the launcher passed.\n"
        "goal: at most %.2f x the bare QLabel window's time and memory for a program; at most %.2f x the first\n"
        "    start without lists with %d lists; at most %.2f x the direct start for a click.\n"
        "Starts: the launcher as a pupil starts it (no arguments; names are on in the suite's options, so the\n"
        "    name dialog comes first) and as an exercise starts it again (/n=\"%s\"); the task manager as a\n"
        "    teacher starts it (no arguments); each exercise as the launcher starts it:\n"
        "    %s\n",
        kNearLabel, kManyLists, kMostLists, kClick, kPupil.c_str(), exerciseLine.c_str());
}

void append(Pairs& to, const Pairs& from)
{
    to.widget.insert(to.widget.end(), from.widget.begin(), from.widget.end());
    to.label.insert(to.label.end(), from.label.begin(), from.label.end());
}

bool pinToFirstCore()
{
    cpu_set_t cores;
    CPU_ZERO(&cores);
    CPU_SET(0, &cores);
    return sched_setaffinity(0, sizeof cores, &cores) == 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption pairsOption("pairs", "Pairs per row (default 25).", "N", "25");
    const QCommandLineOption oneCore("one-core", "Run every process of the run, the X server included, on core 0.");
    const QCommandLineOption only("only", "Only the rows whose name contains TEXT.", "TEXT");
    parser.addOptions({pairsOption, oneCore, only});
    parser.process(app);
    const int pairs = std::max(1, parser.value(pairsOption).toInt());
    // Before the X server starts, so that it and every program inherit it.
    if (parser.isSet(oneCore) && !pinToFirstCore()) {
        std::fprintf(stderr, "Could not pin the run to core 0.\n");
        return 1;
    }
    // The programs that the launcher starts, detached from itself, become this process's children.
    ::prctl(PR_SET_CHILD_SUBREAPER, 1);

    QTemporaryDir scratch;
    const fs::path root = scratch.path().toStdString();
    const Folders folders{root, root / "elsewhere", root / "temp", root / "pupil", root / "first"};
    for (const fs::path& folder : {folders.elsewhere, folders.temp, folders.pupil, folders.first})
        fs::create_directories(folder);
    fs::permissions(folders.temp, fs::perms::owner_all, fs::perm_options::replace);
    fs::current_path(folders.elsewhere);

    const testing_support::PrivateXServer server;
    ScreenWatch watch(server.environment().value("DISPLAY").toStdString());
    if (!server.running() || !watch.watching()) {
        std::fprintf(stderr, "No private X server with the DAMAGE extension (is Xvfb installed?).\n");
        return 1;
    }
    Starter starter(server, watch);
    const RowBuilder setup(starter, folders);
    std::vector<Row> rows;
    setup.addPrograms(rows);
    if (!setup.addFirstStarts(rows) || !setup.preparePupil()) {
        std::fprintf(stderr, "Could not make the program folders or the pupil's data folder.\n");
        return 1;
    }
    setup.addClicks(rows);
    const std::string wanted = parser.value(only).toStdString();
    rows.erase(std::remove_if(rows.begin(), rows.end(),
                              [&wanted](const Row& row) { return row.name.find(wanted) == std::string::npos; }),
               rows.end());

    const std::string loadBefore = loadAverage();
    const Start widget = setup.bare({});
    const Start label = setup.bare({"label"});
    std::vector<std::optional<Pairs>> results;
    Pairs allBare;
    for (const Row& row : rows) {
        std::fprintf(stderr, "%s\n", row.name.c_str());
        results.push_back(runRow(row, widget, label, pairs));
        if (results.back())
            append(allBare, *results.back());
    }

    std::printf("Start-up to the first painted window on a private Xvfb, %d pairs per row, %s; load average "
                "%s at the start, %s at the end.\n\n",
                pairs, parser.isSet(oneCore) ? "every process on core 0 (Xvfb included)" : "all cores",
                loadBefore.c_str(), loadAverage().c_str());
    printTable(rows, results, {allBare.widget, allBare.widget, allBare.label, {}},
               {allBare.label, allBare.widget, allBare.label, {}});
    printLegend(setup.exerciseLine());
    const bool allRan = std::all_of(results.begin(), results.end(), [](const auto& r) { return r.has_value(); });
    return allRan ? 0 : 1;
}

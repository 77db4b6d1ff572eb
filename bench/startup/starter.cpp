// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/startup/starter.h"

#include <QProcessEnvironment>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <thread>

#include <csignal>
#include <spawn.h>
#include <sys/wait.h>

using Clock = ScreenWatch::Clock;
namespace fs = std::filesystem;

namespace {

// Time a program is given to show its first painted window, and a launcher to end by itself once
// it has started an exercise.
constexpr auto kNoWindowAfter = std::chrono::seconds(30);
constexpr auto kLauncherEndsWithin = std::chrono::seconds(5);
constexpr auto kClickTakes = std::chrono::seconds(10);

// The peak resident memory of the whole process in MB, from the kernel's account of it.
double peakRssMb(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;   // given in kB
    return 0;
}

// The arguments the process was started with, without its program.
std::vector<std::string> argumentsOf(pid_t pid)
{
    std::ifstream file("/proc/" + std::to_string(pid) + "/cmdline");
    const std::string all{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    std::vector<std::string> arguments;
    std::istringstream parts(all);
    for (std::string part; std::getline(parts, part, '\0');)
        arguments.push_back(part);
    if (!arguments.empty())
        arguments.erase(arguments.begin());
    return arguments;
}

void end(pid_t pid)
{
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
}

// Ends the process unless it ends by itself within `grace`.
void endWithin(pid_t pid, Clock::duration grace)
{
    const Clock::time_point until = Clock::now() + grace;
    while (::waitpid(pid, nullptr, WNOHANG) == 0) {
        if (Clock::now() > until) {
            end(pid);
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

// The processes this one is the parent of: its own starts, and those of the launcher's starts
// whose parent has gone.
std::vector<pid_t> children()
{
    std::vector<pid_t> pids;
    for (const fs::directory_entry& task : fs::directory_iterator("/proc/self/task")) {
        std::ifstream file(task.path() / "children");
        for (pid_t pid = 0; file >> pid;)
            pids.push_back(pid);
    }
    return pids;
}

// Ends each of this process's children that runs a program of `folder`.
void endProgramsOf(const fs::path& folder)
{
    for (const pid_t pid : children()) {
        std::error_code error;
        const fs::path executable = fs::read_symlink("/proc/" + std::to_string(pid) + "/exe", error);
        if (!error && executable.parent_path() == folder)
            end(pid);
    }
}

std::function<bool(pid_t)> processIs(pid_t wanted)
{
    return [wanted](pid_t pid) { return pid == wanted; };
}

} // namespace

std::vector<std::string> Starter::environment(const std::string& appData, const std::string& temp) const
{
    QProcessEnvironment session = server_.environment();
    session.insert(QStringLiteral("XDG_DATA_HOME"), QString::fromStdString(appData));
    session.insert(QStringLiteral("TMPDIR"), QString::fromStdString(temp));
    session.insert(QStringLiteral("XDG_RUNTIME_DIR"), QString::fromStdString(temp));
    std::vector<std::string> entries;
    for (const QString& entry : session.toStringList())
        entries.push_back(entry.toStdString());
    return entries;
}

pid_t Starter::spawn(const Command& command) const
{
    // The spawn does not write to the strings it is given.
    const auto pointers = [](const std::vector<std::string>& strings) {
        std::vector<char*> list;
        for (const std::string& s : strings)
            list.push_back(const_cast<char*>(s.c_str()));
        list.push_back(nullptr);
        return list;
    };
    const std::vector<char*> argv = pointers(command.line);
    const std::vector<char*> envp = pointers(command.environment);
    pid_t pid = 0;
    return posix_spawn(&pid, argv.front(), nullptr, nullptr, argv.data(), envp.data()) == 0 ? pid : 0;
}

Measure Starter::measure(const ScreenWatch::Painted& window, Clock::time_point from)
{
    ::kill(window.pid, SIGSTOP);
    const std::chrono::duration<double, std::milli> elapsed = window.at - from;
    return {elapsed.count(), peakRssMb(window.pid), window.title};
}

// The next start finds the screen empty.
void Starter::settle()
{
    watch_.waitUntilNoWindow(Clock::now() + kNoWindowAfter);
}

std::optional<Measure> Starter::direct(const Command& command)
{
    const Clock::time_point started = Clock::now();
    const pid_t pid = spawn(command);
    if (pid == 0)
        return std::nullopt;
    std::optional<Measure> measured;
    if (const auto window = watch_.firstPaintedWindow(processIs(pid), started + kNoWindowAfter))
        measured = measure(*window, started);
    end(pid);
    settle();
    return measured;
}

std::unique_ptr<QProcess> Starter::clickAt(xcb_window_t window, QPoint pixel,
                                           std::optional<Clock::time_point>& released) const
{
    const auto xdotool = [this](const QStringList& arguments) {
        auto tool = std::make_unique<QProcess>();
        tool->setProcessEnvironment(server_.environment());
        tool->start(QStringLiteral("xdotool"), arguments);
        return tool;
    };
    const auto deadline = [] { return Clock::now() + kClickTakes; };
    // Pressed first; the button is clicked as it is let go, and that moment the server reports.
    const auto press = xdotool({QStringLiteral("mousemove"), QStringLiteral("--window"), QString::number(window),
                                QString::number(pixel.x()), QString::number(pixel.y()), QStringLiteral("mousedown"),
                                QStringLiteral("1")});
    if (!press->waitForFinished() || !watch_.waitForButton(true, deadline()))
        return nullptr;
    auto release = xdotool({QStringLiteral("mouseup"), QStringLiteral("1")});
    released = watch_.waitForButton(false, deadline());
    return release;
}

std::optional<Measure> Starter::click(const Command& launcher, QPoint button, std::vector<std::string>* passed)
{
    const pid_t launcherPid = spawn(launcher);
    if (launcherPid == 0)
        return std::nullopt;
    std::optional<Measure> measured;
    if (const auto window = watch_.firstPaintedWindow(processIs(launcherPid), Clock::now() + kNoWindowAfter)) {
        std::optional<Clock::time_point> clicked;
        const std::unique_ptr<QProcess> tool = clickAt(window->window, button, clicked);
        const auto exercise = clicked ? watch_.firstPaintedWindow(
                                            [launcherPid](pid_t pid) { return pid != 0 && pid != launcherPid; },
                                            *clicked + kNoWindowAfter)
                                      : std::nullopt;
        if (exercise) {
            measured = measure(*exercise, *clicked);
            if (passed)
                *passed = argumentsOf(exercise->pid);
        }
        if (tool)
            tool->waitForFinished();
    }
    endWithin(launcherPid, kLauncherEndsWithin);
    // The launcher starts a program detached from itself: it becomes this process's own child.
    endProgramsOf(fs::path(launcher.line.front()).parent_path());
    settle();
    return measured;
}

// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/fakes.h"

#include "platform/processes.h"

#include <QDir>
#include <QFileInfo>

namespace testing_support {

bool FakeProcesses::startable(const QString& commandLine) const
{
    const QString program = QFileInfo(platform::splitCommandLine(commandLine).program).fileName();
    return !missing.contains(program, Qt::CaseInsensitive);
}

bool FakeProcesses::start(const QString& commandLine)
{
    if (!startable(commandLine))
        return false;
    started.push_back({commandLine, QDir::currentPath(), false});
    return true;
}

bool FakeProcesses::runAndWait(const QString& commandLine)
{
    if (!startable(commandLine))
        return false;
    started.push_back({commandLine, QDir::currentPath(), true});
    if (onRun)
        onRun(commandLine);
    return true;
}

bool FakeProcesses::isRunning(const QString& programName)
{
    return running.contains(programName, Qt::CaseInsensitive);
}

QStringList FakeProcesses::commandLines() const
{
    QStringList lines;
    for (const StartedProgram& s : started)
        lines.append(s.commandLine);
    return lines;
}

void FakeClock::sleep(int ms)
{
    sleeps.push_back(ms);
    current = current.addMSecs(ms);
    if (onSleep)
        onSleep(ms);
}

double FakeClock::random()
{
    if (!randoms.empty()) {
        const double r = randoms.front();
        randoms.pop_front();
        return r;
    }
    seed_ = seed_ * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<double>(seed_ >> 11) / static_cast<double>(1ULL << 53);
}

int FakeClock::startTimer(int ms, std::function<void()> fire)
{
    const int id = nextId_++;
    timers_[id] = {elapsed_ + ms, std::move(fire)};
    return id;
}

void FakeClock::stopTimer(int id)
{
    timers_.erase(id);
}

void FakeClock::advance(int ms)
{
    const qint64 end = elapsed_ + ms;
    while (true) {
        auto next = timers_.end();
        for (auto it = timers_.begin(); it != timers_.end(); ++it)
            if (it->second.due <= end && (next == timers_.end() || it->second.due < next->second.due))
                next = it;
        if (next == timers_.end())
            break;
        current = current.addMSecs(next->second.due - elapsed_);
        elapsed_ = next->second.due;
        auto fire = std::move(next->second.fire);
        timers_.erase(next);
        fire();
    }
    current = current.addMSecs(end - elapsed_);
    elapsed_ = end;
}

platform::MessageAnswer FakeMessageBoxes::show(const QString& text, platform::MessageButtons buttons,
                                               platform::MessageIcon icon, const QString& title)
{
    shown.push_back({text, title, buttons, icon});
    if (!answers.empty()) {
        const auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
    switch (buttons) {
    case platform::MessageButtons::YesNo:
    case platform::MessageButtons::YesNoCancel: return platform::MessageAnswer::Yes;
    case platform::MessageButtons::RetryCancel: return platform::MessageAnswer::Retry;
    default: return platform::MessageAnswer::Ok;
    }
}

QStringList FakeMessageBoxes::texts() const
{
    QStringList list;
    for (const ShownMessage& m : shown)
        list.append(m.text);
    return list;
}

} // namespace testing_support

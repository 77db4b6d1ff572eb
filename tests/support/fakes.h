// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/forms/twips.h"
#include "platform/services.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <map>
#include <vector>

// Stand-ins for the platform services: they record what the program asks for and answer as
// the test scripts them.
namespace testing_support {

class FakePaths : public platform::Paths {
public:
    QString program, appData, temp;
    QString programFolder() const override { return program; }
    QString appDataFolder() const override { return appData; }
    QString tempFolder() const override { return temp; }
};

struct StartedProgram {
    QString commandLine;
    QString currentFolder;
    bool waited = false;
};

class FakeProcesses : public platform::Processes {
public:
    QString arguments;
    std::vector<StartedProgram> started;
    QStringList running;        // program names that count as running ("Pensumo.exe")
    QStringList missing;        // program names (any case, with ".exe") that fail to start
    // Plays the child's effect while runAndWait waits (gets the command line).
    std::function<void(const QString&)> onRun;
    bool steppedAside = false;

    bool start(const QString& commandLine) override;
    bool runAndWait(const QString& commandLine) override;
    bool isRunning(const QString& programName) override;
    QString ownArguments() const override { return arguments; }
    void stepAside() override { steppedAside = true; }
    QStringList commandLines() const;

private:
    bool startable(const QString& commandLine) const;
};

// Virtual time: sleeps return at once and are recorded; timers fire when the test advances.
class FakeClock : public platform::Clock {
public:
    QDateTime current = QDateTime(QDate(2026, 12, 10), QTime(9, 30, 0));
    std::vector<int> sleeps;
    std::function<void(int ms)> onSleep;
    std::deque<double> randoms;   // scripted draws; a fixed-seed generator after them

    QDateTime now() override { return current; }
    void sleep(int ms) override;
    double random() override;
    int startTimer(int ms, std::function<void()> fire) override;
    void stopTimer(int id) override;
    // Moves time on, firing due timers in order.
    void advance(int ms);
    bool timerPending() const { return !timers_.empty(); }

private:
    struct Pending {
        qint64 due;
        std::function<void()> fire;
    };
    std::map<int, Pending> timers_;
    int nextId_ = 1;
    qint64 elapsed_ = 0;
    quint64 seed_ = 12345;
};

struct ShownMessage {
    QString text;
    QString title;
    platform::MessageButtons buttons;
    platform::MessageIcon icon;
};

class FakeMessageBoxes : public platform::MessageBoxes {
public:
    std::vector<ShownMessage> shown;
    std::deque<platform::MessageAnswer> answers;   // default: the first button
    platform::MessageAnswer show(const QString& text, platform::MessageButtons buttons,
                                 platform::MessageIcon icon, const QString& title) override;
    QStringList texts() const;
};

class FakeHelpViewer : public platform::HelpViewer {
public:
    std::vector<std::pair<QString, int>> opened;
    void open(const QString& helpFile, int mapId) override { opened.emplace_back(helpFile, mapId); }
};

class FakeDisplay : public platform::Display {
public:
    QRect screenRect{0, 0, 1024, 768};
    QRect work{0, 0, 1024, 740};
    bool low = false;
    bool taskbar = true;
    QRect screen() const override { return screenRect; }
    QRect workArea() const override { return work; }
    // Scales the layouts as the real display does.
    void setLowResolution(bool on) override
    {
        low = on;
        platform::setLayoutScale(on ? platform::lowResolutionScale(screenRect.size()) : 1.0);
    }
    bool lowResolution() const override { return low; }
    void setTaskbarVisible(bool visible) override { taskbar = visible; }
    bool taskbarVisible() const override { return taskbar; }
};

} // namespace testing_support

// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/services.h"

#include <QStringList>

#include <random>

// The implementations the programs run with.
namespace platform {

class RealPaths : public Paths {
public:
    QString programFolder() const override;
    QString appDataFolder() const override;
    QString tempFolder() const override;
};

class RealProcesses : public Processes {
public:
    explicit RealProcesses(QStringList arguments) : arguments_(std::move(arguments)) {}
    bool start(const QString& commandLine) override;
    bool runAndWait(const QString& commandLine) override;
    bool isRunning(const QString& programName) override;
    QString ownArguments() const override;
    void stepAside() override;

private:
    QStringList arguments_;
};

class RealClock : public Clock {
public:
    RealClock();
    QDateTime now() override;
    void sleep(int ms) override;
    double random() override;
    int startTimer(int ms, std::function<void()> fire) override;
    void stopTimer(int id) override;

private:
    std::mt19937_64 generator_;
    int nextId_ = 1;
};

class RealMessageBoxes : public MessageBoxes {
public:
    MessageAnswer show(const QString& text, MessageButtons buttons, MessageIcon icon,
                       const QString& title) override;
};

// The 640 x 480 mode never touches the monitor: layouts are scaled to fill the screen. Programs
// started while it is on run in it too. Once this program changed the display, SIGTERM and SIGHUP
// restore it before the program ends.
class RealDisplay : public Display {
public:
    RealDisplay();
    QRect screen() const override;
    QRect workArea() const override;
    QRect layoutScreen() const override;
    void setLowResolution(bool on) override;
    bool lowResolution() const override { return lowResolution_; }
    // Hidden, the panels give way to full-screen windows: a window covering the whole screen
    // takes the full-screen state above them, as a kiosk does; shown, it gives the state back.
    void setTaskbarVisible(bool visible) override;
    bool taskbarVisible() const override { return taskbarVisible_; }

    // Set in the environment of the programs started while the 640 x 480 mode is on.
    static constexpr const char* kLowResolutionVariable = "TAVORO_DISPLAY_640X480";

private:
    void restoreOnTermination();

    bool lowResolution_ = false;
    bool taskbarVisible_ = true;
    bool restoresOnTermination_ = false;
};

} // namespace platform

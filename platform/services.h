// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QRect>
#include <QString>

#include <functional>
#include <memory>

namespace platform {

class Printer;

// Where the program lives and where it may keep per-user data.
class Paths {
public:
    virtual ~Paths() = default;
    virtual QString programFolder() const = 0;   // no trailing slash
    virtual QString appDataFolder() const = 0;   // $XDG_DATA_HOME or ~/.local/share
    virtual QString tempFolder() const = 0;      // $TMPDIR, else /tmp
};

// Programs are named as the suite names them ("tastomat.exe Q03A"); the service maps the name
// to the executable and passes the rest of the line as one argument, unchanged.
class Processes {
public:
    virtual ~Processes() = default;
    // Starts without waiting, in the caller's current folder. False when it could not start,
    // and once a signal ends this program (see termination.h).
    virtual bool start(const QString& commandLine) = 0;
    // Starts and waits for the end; windows keep painting, and input made meanwhile is dropped.
    // A signal that ends this program ends the child too, and waits for it.
    virtual bool runAndWait(const QString& commandLine) = 0;
    // Whether a process of this user and application-data folder whose executable name ends in
    // the program's name is running.
    virtual bool isRunning(const QString& programName) = 0;
    // The argument string this program was started with.
    virtual QString ownArguments() const = 0;
    // For the end of a program that has started the one that takes its place: its windows
    // leave the screen at once, and what is left of it runs only while no other program wants
    // the processor.
    virtual void stepAside() = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() = 0;
    // Paints what is pending, then blocks; input made meanwhile is dropped.
    virtual void sleep(int ms) = 0;
    // Uniform in [0, 1); one generator per process, seeded once.
    virtual double random() = 0;
    // Calls `fire` once after `ms`; the id cancels it.
    virtual int startTimer(int ms, std::function<void()> fire) = 0;
    virtual void stopTimer(int id) = 0;
};

enum class MessageIcon { None, Information, Warning, Critical, Question };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No, Retry };

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // An empty title means the program's name. Once the program ends or a signal ends it no box
    // is shown and an open one closes: the answer is then Ok, No or Cancel, which changes nothing.
    virtual MessageAnswer show(const QString& text, MessageButtons buttons = MessageButtons::Ok,
                               MessageIcon icon = MessageIcon::None, const QString& title = {}) = 0;
};

class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    virtual void open(const QString& helpFile, int mapId) = 0;
};

class Display {
public:
    virtual ~Display() = default;
    virtual QRect screen() const = 0;     // pixels
    virtual QRect workArea() const = 0;   // pixels, without panels
    // Where the layouts are placed and centred: the screen, or in the 640 x 480 mode the scaled
    // 640 x 480 screen centred on it, whatever the real screen's aspect ratio.
    virtual QRect layoutScreen() const { return screen(); }
    // The 640 x 480 mode: programs fill the screen with their layout scaled up.
    virtual void setLowResolution(bool on) = 0;
    virtual bool lowResolution() const = 0;
    virtual void setTaskbarVisible(bool visible) = 0;
    virtual bool taskbarVisible() const = 0;
};

struct Services {
    std::unique_ptr<Paths> paths;
    std::unique_ptr<Processes> processes;
    std::unique_ptr<Clock> clock;
    std::unique_ptr<MessageBoxes> messages;
    std::unique_ptr<HelpViewer> help;
    std::unique_ptr<Display> display;
    std::unique_ptr<Printer> printer;

    Services();
    ~Services();
};

Services& services();
// The first step of every program's main(): installs the real implementations (`argc`/`argv`
// give the program's own arguments), takes SIGTERM and SIGHUP as a close by the system
// (termination.h) and makes the program folder the current folder, as a
// desktop shortcut's start folder would, so names relative to it (word pictures, own pictures,
// table pictures) resolve however the program was started.
void startProgram(int argc, char** argv);
// Makes the program folder the current folder; false when it cannot be entered.
bool enterProgramFolder();

// Shorthands for the most used services.
inline MessageAnswer msgBox(const QString& text, MessageButtons buttons = MessageButtons::Ok,
                            MessageIcon icon = MessageIcon::None, const QString& title = {})
{
    return services().messages->show(text, buttons, icon, title);
}

} // namespace platform

// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/real_services.h"

#include "platform/forms/end.h"
#include "platform/forms/twips.h"
#include "platform/input_dropper.h"
#include "platform/processes.h"
#include "platform/termination.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QTimer>

#include <map>
#include <optional>

#include <sched.h>
#include <xcb/xcb.h>


namespace platform {

QString RealPaths::programFolder() const
{
    const QString exe = QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
    return QFileInfo(exe).absolutePath();
}

QString RealPaths::appDataFolder() const
{
    const QString xdg = qEnvironmentVariable("XDG_DATA_HOME");
    return xdg.isEmpty() ? QDir::homePath() + QStringLiteral("/.local/share") : xdg;
}

QString RealPaths::tempFolder() const
{
    const QString tmp = qEnvironmentVariable("TMPDIR");
    return tmp.isEmpty() ? QStringLiteral("/tmp") : tmp;
}

namespace {

struct Startable {
    QString executable;
    QStringList arguments;
};

// What a command line starts; nothing for an unknown program, and nothing while the program ends
// by a signal: the session it would run in is ending.
std::optional<Startable> startable(const QString& commandLine)
{
    if (terminationRequested())
        return std::nullopt;
    const CommandLine line = splitCommandLine(commandLine);
    QString exe = executableFor(line.program);
    if (exe.isEmpty())
        return std::nullopt;
    return Startable{std::move(exe),
                     line.arguments.isEmpty() ? QStringList() : QStringList{line.arguments}};
}

} // namespace

bool RealProcesses::start(const QString& commandLine)
{
    const std::optional<Startable> program = startable(commandLine);
    return program && startDetached(program->executable, program->arguments);
}

namespace {

// A program ending by a signal ends the program it waits for too, as the system would, and
// waits for it; one that does not end in time is killed.
constexpr int kChildEndMs = 2000;

bool endChild(QProcess& child)
{
    child.terminate();
    if (!child.waitForFinished(kChildEndMs)) {
        child.kill();
        child.waitForFinished();
    }
    return true;
}

} // namespace

bool RealProcesses::runAndWait(const QString& commandLine)
{
    const std::optional<Startable> program = startable(commandLine);
    if (!program)
        return false;
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    child.setInputChannelMode(QProcess::ForwardedInputChannel);
    child.start(program->executable, program->arguments);
    if (!child.waitForStarted())
        return false;
    // The windows keep painting and their timers run; what is clicked or typed meanwhile is
    // dropped, also what the display server sent just before the child ended.
    const InputDropper dropper;
    while (!child.waitForFinished(25)) {
        QCoreApplication::processEvents();
        if (terminationRequested())
            return endChild(child);
    }
    return true;
}

bool RealProcesses::isRunning(const QString& programName)
{
    return processRunning(programName);
}

QString RealProcesses::ownArguments() const
{
    return arguments_.join(QLatin1Char(' '));
}

void RealProcesses::stepAside()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        window->hide();
    // Sent now: from here on this program may wait long for the processor.
    const auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 && x11->connection())
        xcb_flush(x11->connection());
    // Every thread: the last one to end frees the memory. What is started later gets the
    // normal class again.
    const sched_param idle{};
    for (const QString& task : QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        ::sched_setscheduler(task.toInt(), SCHED_IDLE | SCHED_RESET_ON_FORK, &idle);
    // A change of class alone does not give up the processor before the time slice ends.
    ::sched_yield();
}

RealClock::RealClock() : generator_(std::random_device{}()) {}

QDateTime RealClock::now()
{
    return QDateTime::currentDateTime();
}

void RealClock::sleep(int ms)
{
    // Deaf for its length: a click or key made meanwhile must not answer what comes after it.
    const InputDropper dropper;
    QCoreApplication::processEvents();
    // A logout ends the program now, not after the pauses of a presentation still running.
    if (terminationRequested())
        return;
    if (pauseUnlessTerminated(ms))
        QCoreApplication::processEvents();
}

double RealClock::random()
{
    return std::uniform_real_distribution<double>(0.0, 1.0)(generator_);
}

namespace {
std::map<int, QTimer*>& realTimers()
{
    static std::map<int, QTimer*> timers;
    return timers;
}
} // namespace

int RealClock::startTimer(int ms, std::function<void()> fire)
{
    const int id = nextId_++;
    auto* timer = new QTimer;
    timer->setSingleShot(true);
    QObject::connect(timer, &QTimer::timeout, timer, [id, fire = std::move(fire)] {
        if (auto it = realTimers().find(id); it != realTimers().end()) {
            it->second->deleteLater();
            realTimers().erase(it);
        }
        fire();
    });
    realTimers()[id] = timer;
    timer->start(ms);
    return id;
}

void RealClock::stopTimer(int id)
{
    if (auto it = realTimers().find(id); it != realTimers().end()) {
        it->second->stop();
        it->second->deleteLater();
        realTimers().erase(it);
    }
}

namespace {

// The answer of a box that nobody answers: the one that changes nothing.
MessageAnswer dismissed(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok: return MessageAnswer::Ok;
    case MessageButtons::YesNo: return MessageAnswer::No;
    default: return MessageAnswer::Cancel;
    }
}

// Once the program ends, or a signal ends it, nobody is there to read a box.
bool nobodyAnswers()
{
    return programEnded() || terminationRequested();
}

} // namespace

MessageAnswer RealMessageBoxes::show(const QString& text, MessageButtons buttons, MessageIcon icon,
                                     const QString& title)
{
    if (nobodyAnswers())
        return dismissed(buttons);
    QMessageBox box;
    box.setWindowTitle(title.isEmpty() ? QCoreApplication::applicationName() : title);
    box.setText(text);
    static const std::map<MessageIcon, QMessageBox::Icon> icons{
        {MessageIcon::None, QMessageBox::NoIcon},
        {MessageIcon::Information, QMessageBox::Information},
        {MessageIcon::Warning, QMessageBox::Warning},
        {MessageIcon::Critical, QMessageBox::Critical},
        {MessageIcon::Question, QMessageBox::Question}};
    box.setIcon(icons.at(icon));
    static const std::map<MessageButtons, QMessageBox::StandardButtons> sets{
        {MessageButtons::Ok, QMessageBox::Ok},
        {MessageButtons::OkCancel, QMessageBox::Ok | QMessageBox::Cancel},
        {MessageButtons::YesNo, QMessageBox::Yes | QMessageBox::No},
        {MessageButtons::YesNoCancel, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel},
        {MessageButtons::RetryCancel, QMessageBox::Retry | QMessageBox::Cancel}};
    box.setStandardButtons(sets.at(buttons));
    static const std::map<QMessageBox::StandardButton, QString> germanTexts{
        {QMessageBox::Yes, QStringLiteral("Ja")}, {QMessageBox::No, QStringLiteral("Nein")},
        {QMessageBox::Cancel, QStringLiteral("Abbrechen")},
        {QMessageBox::Retry, QStringLiteral("Wiederholen")}};
    for (const auto& [button, text] : germanTexts)
        if (QAbstractButton* b = box.button(button))
            b->setText(text);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    const int answer = box.exec();
    // A box the signal closed: its caller goes on as if it had been dismissed.
    if (nobodyAnswers())
        return dismissed(buttons);
    switch (answer) {
    case QMessageBox::Cancel: return MessageAnswer::Cancel;
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    case QMessageBox::Retry: return MessageAnswer::Retry;
    default: return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
    }
}

QRect RealDisplay::screen() const
{
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->geometry() : QRect(0, 0, 1024, 768);
}

QRect RealDisplay::workArea() const
{
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->availableGeometry() : screen();
}

QRect RealDisplay::layoutScreen() const
{
    const QRect s = screen();
    if (!lowResolution_)
        return s;
    QRect layout(0, 0, qRound(640 * layoutScale()), qRound(480 * layoutScale()));
    layout.moveCenter(s.center());
    return layout;
}

RealDisplay::RealDisplay()
{
    // Started by a program in the 640 x 480 mode: run in it as well, but pass it on no further.
    if (qEnvironmentVariable(kLowResolutionVariable) == QLatin1String("1")) {
        qunsetenv(kLowResolutionVariable);
        lowResolution_ = true;
        setLayoutScale(lowResolutionScale(screen().size()));
    }
}

void RealDisplay::setLowResolution(bool on)
{
    lowResolution_ = on;
    setLayoutScale(on ? lowResolutionScale(screen().size()) : 1.0);
    if (on)
        qputenv(kLowResolutionVariable, "1");
    else
        qunsetenv(kLowResolutionVariable);
    restoreOnTermination();
}

void RealDisplay::setTaskbarVisible(bool visible)
{
    taskbarVisible_ = visible;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible() || window->geometry() != screen())
            continue;
        window->setWindowState(visible ? window->windowState() & ~Qt::WindowFullScreen
                                       : window->windowState() | Qt::WindowFullScreen);
    }
    restoreOnTermination();
}

void RealDisplay::restoreOnTermination()
{
    if (restoresOnTermination_ || !qApp)
        return;
    restoresOnTermination_ = true;
    onTermination(qApp, [] {
        Display& display = *services().display;
        display.setLowResolution(false);
        display.setTaskbarVisible(true);
    });
}

} // namespace platform

#include "real_services.h"

#include "forms/twips.h"
#include "processes.h"
#include "termination.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <QUrl>

#include <map>


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

QStringList argumentList(const QString& arguments)
{
    return arguments.isEmpty() ? QStringList() : QStringList{arguments};
}

} // namespace

bool RealProcesses::start(const QString& commandLine)
{
    const CommandLine line = splitCommandLine(commandLine);
    const QString exe = executableFor(line.program);
    if (exe.isEmpty())
        return false;
    return QProcess::startDetached(exe, argumentList(line.arguments), QDir::currentPath());
}

namespace {

bool isUserInput(const QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::InputMethod:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
        return true;
    case QEvent::Close:
        // The window's close button; the program's own closing still works.
        return event->spontaneous();
    default:
        return false;
    }
}

// While a started program runs the windows do not respond: what the user clicks or types
// meanwhile is dropped, never carried out once the program has ended.
class InputDropper : public QObject {
public:
    InputDropper() { QCoreApplication::instance()->installEventFilter(this); }
    ~InputDropper() override { QCoreApplication::instance()->removeEventFilter(this); }
    InputDropper(const InputDropper&) = delete;
    InputDropper& operator=(const InputDropper&) = delete;

protected:
    bool eventFilter(QObject*, QEvent* event) override { return isUserInput(event); }
};

// Input made just before the child ended may still be on its way from the display server.
constexpr int kSettleMs = 100;

} // namespace

bool RealProcesses::runAndWait(const QString& commandLine)
{
    const CommandLine line = splitCommandLine(commandLine);
    const QString exe = executableFor(line.program);
    if (exe.isEmpty())
        return false;
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    child.setInputChannelMode(QProcess::ForwardedInputChannel);
    child.start(exe, argumentList(line.arguments));
    if (!child.waitForStarted())
        return false;
    // Every event is taken (an event held back would be carried out later); input is dropped.
    const InputDropper dropper;
    while (!child.waitForFinished(25))
        QCoreApplication::processEvents();
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < kSettleMs) {
        QCoreApplication::processEvents();
        QThread::msleep(10);
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

RealClock::RealClock() : generator_(std::random_device{}()) {}

QDateTime RealClock::now()
{
    return QDateTime::currentDateTime();
}

void RealClock::sleep(int ms)
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    // A logout ends the program now, not after the pauses of a presentation still running.
    if (terminationRequested())
        return;
    if (pauseUnlessTerminated(ms))
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
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

MessageAnswer RealMessageBoxes::show(const QString& text, MessageButtons buttons, MessageIcon icon,
                                     const QString& title)
{
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
    switch (box.exec()) {
    case QMessageBox::Cancel: return MessageAnswer::Cancel;
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    case QMessageBox::Retry: return MessageAnswer::Retry;
    default: return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
    }
}

void RealHelpViewer::open(const QString& helpFile, int mapId)
{
    // Help is one HTML page per map id in the help folder beside the named help file.
    const QString page = QFileInfo(helpFile).absolutePath()
                         + QStringLiteral("/help/%1.html").arg(mapId);
    QDesktopServices::openUrl(QUrl::fromLocalFile(page));
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
        const QRect s = screen();
        setLayoutScale(std::min(s.width() / 640.0, s.height() / 480.0));
    }
}

void RealDisplay::setLowResolution(bool on)
{
    lowResolution_ = on;
    const QRect s = screen();
    setLayoutScale(on ? std::min(s.width() / 640.0, s.height() / 480.0) : 1.0);
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

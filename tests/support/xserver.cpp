#include "xserver.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>

#include <csignal>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace testing_support {

PrivateXServer::PrivateXServer()
{
    // Xvfb picks a free display itself and writes its number to the descriptor given.
    int pipeFds[2];
    if (::pipe(pipeFds) != 0)
        return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 3);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    // No reset when the last client leaves: a program that connects while the launcher that
    // started it (or a click tool) disconnects would otherwise lose its connection.
    const char* argv[] = {"Xvfb", "-displayfd", "3", "-screen", "0", "1024x768x24", "-nolisten", "tcp",
                          "-ac", "-noreset", nullptr};
    const int spawned = posix_spawnp(&server_, "Xvfb", &actions, nullptr, const_cast<char**>(argv), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeFds[1]);
    if (spawned != 0) {
        server_ = -1;
        ::close(pipeFds[0]);
        return;
    }
    QByteArray number;
    pollfd wait{pipeFds[0], POLLIN, 0};
    char c = 0;
    while (::poll(&wait, 1, 10000) > 0 && ::read(pipeFds[0], &c, 1) == 1 && c != '\n')
        number += c;
    ::close(pipeFds[0]);
    if (!number.isEmpty())
        display_ = QStringLiteral(":") + QString::fromLatin1(number);
}

PrivateXServer::~PrivateXServer()
{
    if (server_ <= 0)
        return;
    ::kill(server_, SIGTERM);
    ::waitpid(server_, nullptr, 0);
}

QProcessEnvironment PrivateXServer::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display_);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.remove(QStringLiteral("XAUTHORITY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    return env;
}

QString PrivateXServer::xdotool(const QStringList& arguments) const
{
    QProcess tool;
    tool.setProcessEnvironment(environment());
    tool.start(QStringLiteral("xdotool"), arguments);
    tool.waitForFinished(10000);
    return QString::fromLocal8Bit(tool.readAllStandardOutput()).trimmed();
}

qulonglong PrivateXServer::waitForWindow(const QString& title, int ms) const
{
    // xdotool takes a POSIX extended expression: only its special characters are escaped.
    QString pattern = title;
    pattern.replace(QRegularExpression(QStringLiteral("([.\\[\\]()*+?{}|^$\\\\])")), QStringLiteral("\\\\1"));
    pattern = QLatin1Char('^') + pattern + QLatin1Char('$');
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) {
        const QStringList found = xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                           QStringLiteral("--name"), pattern})
                                      .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        if (!found.isEmpty())
            return found.first().toULongLong();
        QThread::msleep(50);
    }
    return 0;
}

void PrivateXServer::click(qulonglong window, QPoint pixel) const
{
    xdotool({QStringLiteral("mousemove"), QStringLiteral("--window"), QString::number(window),
             QString::number(pixel.x()), QString::number(pixel.y()), QStringLiteral("click"),
             QStringLiteral("1")});
}

void PrivateXServer::key(qulonglong window, const QStringList& keys) const
{
    // Focused first, so the keys come through the X server's own input as a keyboard's would.
    if (window != 0)
        xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), QString::number(window)});
    xdotool(QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("100")} + keys);
}

QImage PrivateXServer::grab(qulonglong window) const
{
    QProcess import;
    import.setProcessEnvironment(environment());
    import.start(QStringLiteral("import"), {QStringLiteral("-window"), QString::number(window),
                                            QStringLiteral("png:-")});
    import.waitForFinished(10000);
    return QImage::fromData(import.readAllStandardOutput(), "PNG");
}

} // namespace testing_support

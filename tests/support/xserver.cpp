#include "xserver.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QSet>
#include <QRegularExpression>
#include <QThread>

#include <csignal>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace testing_support {

int colourCount(const QImage& image, const QRect& area)
{
    QSet<QRgb> seen;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            seen.insert(image.pixel(x, y));
    return static_cast<int>(seen.size());
}

PrivateXServer::PrivateXServer(QSize screen)
{
    // Xvfb picks a free display itself and writes its number to the descriptor given.
    int pipeFds[2];
    if (::pipe(pipeFds) != 0)
        return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    // The read end is closed first: it may itself be descriptor 3.
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 3);
    // No reset when the last client leaves: a program that connects while the launcher that
    // started it (or a click tool) disconnects would otherwise lose its connection.
    const QByteArray size = QStringLiteral("%1x%2x24").arg(screen.width()).arg(screen.height()).toLatin1();
    const char* argv[] = {"Xvfb", "-displayfd", "3", "-screen", "0", size.constData(), "-nolisten", "tcp",
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

QString PrivateXServer::run(const QString& program, const QStringList& arguments) const
{
    QProcess tool;
    tool.setProcessEnvironment(environment());
    tool.start(program, arguments);
    tool.waitForFinished(10000);
    return QString::fromLocal8Bit(tool.readAllStandardOutput()).trimmed();
}

QString PrivateXServer::xdotool(const QStringList& arguments) const
{
    return run(QStringLiteral("xdotool"), arguments);
}

void PrivateXServer::setWorkArea(const QRect& area) const
{
    run(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("-f"), QStringLiteral("_NET_WORKAREA"),
                                  QStringLiteral("32c"), QStringLiteral("-set"), QStringLiteral("_NET_WORKAREA"),
                                  QStringLiteral("%1,%2,%3,%4").arg(area.x()).arg(area.y()).arg(area.width()).arg(area.height())});
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

void PrivateXServer::input(qulonglong window, const QList<QPoint>& clicks, const QStringList& keys) const
{
    const QString id = QString::number(window);
    QStringList chain{QStringLiteral("windowfocus"), QStringLiteral("--sync"), id};
    for (const QPoint& pixel : clicks)
        chain << QStringLiteral("mousemove") << QStringLiteral("--window") << id << QString::number(pixel.x())
              << QString::number(pixel.y()) << QStringLiteral("click") << QStringLiteral("1");
    if (!keys.isEmpty())
        chain << QStringLiteral("key") << QStringLiteral("--delay") << QStringLiteral("30") << keys;
    xdotool(chain);
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

QRect PrivateXServer::geometry(qulonglong window) const
{
    QRect place;
    for (const QString& line : xdotool({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"),
                                        QString::number(window)})
                                   .split(QLatin1Char('\n'))) {
        const int value = line.section(QLatin1Char('='), 1).toInt();
        if (line.startsWith(QLatin1String("X=")))
            place.moveLeft(value);
        else if (line.startsWith(QLatin1String("Y=")))
            place.moveTop(value);
        else if (line.startsWith(QLatin1String("WIDTH=")))
            place.setWidth(value);
        else if (line.startsWith(QLatin1String("HEIGHT=")))
            place.setHeight(value);
    }
    return place;
}

bool PrivateXServer::fullScreen(qulonglong window) const
{
    QProcess xprop;
    xprop.setProcessEnvironment(environment());
    xprop.start(QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(window), QStringLiteral("_NET_WM_STATE")});
    xprop.waitForFinished(10000);
    return xprop.readAllStandardOutput().contains("_NET_WM_STATE_FULLSCREEN");
}

qint64 PrivateXServer::processOf(qulonglong window) const
{
    return xdotool({QStringLiteral("getwindowpid"), QString::number(window)}).toLongLong();
}

QList<qulonglong> PrivateXServer::visibleWindows() const
{
    QList<qulonglong> windows;
    for (const QString& id : xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
                                      QStringLiteral(".")})
                                 .split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        windows << id.toULongLong();
    return windows;
}

bool PrivateXServer::inFront(qulonglong window) const
{
    const QList<qulonglong> visible = visibleWindows();
    if (!visible.contains(window))
        return false;
    const QRect place = geometry(window);
    // The root's children, the front one first: "0x40000f "title": (...)  434x307+291+217 ...".
    static const QRegularExpression child(QStringLiteral("^\\s*(0x[0-9a-f]+) .*\\s(\\d+)x(\\d+)\\+(-?\\d+)\\+(-?\\d+)\\s"));
    for (const QString& line : run(QStringLiteral("xwininfo"), {QStringLiteral("-root"), QStringLiteral("-children")})
                                   .split(QLatin1Char('\n'))) {
        const QRegularExpressionMatch m = child.match(line);
        if (!m.hasMatch())
            continue;
        const qulonglong id = m.captured(1).toULongLong(nullptr, 16);
        if (id == window)
            return true;
        const QRect other(m.captured(4).toInt(), m.captured(5).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
        if (visible.contains(id) && other.intersects(place))
            return false;
    }
    return false;
}

} // namespace testing_support

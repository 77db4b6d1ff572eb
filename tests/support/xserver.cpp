// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/xserver.h"

#include <QProcess>
#include <QSet>
#include <QRegularExpression>
#include <QTest>

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

QList<int> runsOfColour(const QImage& image, int row, QRgb colour)
{
    QList<int> centres;
    int from = -1;
    for (int px = 0; px <= image.width(); ++px) {
        const bool same = px < image.width() && row < image.height() && (image.pixel(px, row) & 0xffffff) == colour;
        if (same && from < 0)
            from = px;
        if (!same && from >= 0 && px - from > 20)
            centres << (from + px) / 2;
        if (!same)
            from = -1;
    }
    return centres;
}

PrivateXServer::PrivateXServer(QSize screen, WindowManager manager)
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
    if (running() && manager == WindowManager::Openbox && !startWindowManager())
        display_.clear();
}

// Ready once it announces itself on the root window, as a window manager of the freedesktop
// conventions does.
bool PrivateXServer::startWindowManager()
{
    const QByteArray display = "DISPLAY=" + display_.toLatin1();
    // Its own default settings, whatever the user running the tests has set up.
    const char* argv[] = {"env", display.constData(), "openbox", "--sm-disable", "--config-file",
                          "/etc/xdg/openbox/rc.xml", nullptr};
    if (posix_spawnp(&windowManager_, "env", nullptr, nullptr, const_cast<char**>(argv), environ) != 0) {
        windowManager_ = -1;
        return false;
    }
    return QTest::qWaitFor([this] {
        return run(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")})
            .contains(QLatin1String("window id"));
    }, 10000);
}

PrivateXServer::~PrivateXServer()
{
    if (windowManager_ > 0) {
        ::kill(windowManager_, SIGTERM);
        ::waitpid(windowManager_, nullptr, 0);
    }
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

PrivateXServer::Kind PrivateXServer::kind(qulonglong window) const
{
    const QString type = run(QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(window),
                                                       QStringLiteral("_NET_WM_WINDOW_TYPE")});
    if (type.contains(QLatin1String("_MENU")))
        return Kind::Menu;
    if (type.contains(QLatin1String("_NET_WM_WINDOW_TYPE_DIALOG")))
        return Kind::Dialog;
    return Kind::Normal;
}

qulonglong PrivateXServer::waitForWindow(const QString& title, int ms, Kind wanted) const
{
    qulonglong window = 0;
    return QTest::qWaitFor([&] { return (window = findWindow(title, wanted)) != 0; }, ms) ? window : 0;
}

qulonglong PrivateXServer::findWindow(const QString& title, Kind wanted) const
{
    // xdotool takes a POSIX extended expression: only its special characters are escaped.
    QString pattern = title;
    pattern.replace(QRegularExpression(QStringLiteral("([.\\[\\]()*+?{}|^$\\\\])")), QStringLiteral("\\\\1"));
    pattern = QLatin1Char('^') + pattern + QLatin1Char('$');
    const QStringList found = xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                       QStringLiteral("--name"), pattern})
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString& id : found)
        if (wanted == Kind::Any || kind(id.toULongLong()) == wanted)
            return id.toULongLong();
    return 0;
}

qulonglong PrivateXServer::waitForMenu(int ms) const
{
    qulonglong menu = 0;
    const auto open = [&] {
        const QStringList found = xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                           QStringLiteral("--class"), QStringLiteral(".")})
                                      .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        for (const QString& id : found)
            if (kind(menu = id.toULongLong()) == Kind::Menu)
                return true;
        return false;
    };
    return QTest::qWaitFor(open, ms) ? menu : 0;
}

void PrivateXServer::click(qulonglong window, QPoint pixel) const
{
    xdotool({QStringLiteral("mousemove"), QStringLiteral("--window"), QString::number(window),
             QString::number(pixel.x()), QString::number(pixel.y()), QStringLiteral("click"),
             QStringLiteral("1")});
}

bool PrivateXServer::clickActivating(qulonglong window, QPoint pixel) const
{
    // Every change of the root's active window, after a first line with the value it has now.
    QProcess spy;
    spy.setProcessEnvironment(environment());
    spy.start(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("-spy"), QStringLiteral("_NET_ACTIVE_WINDOW")});
    const auto nextLine = [&spy] {
        return QTest::qWaitFor([&spy] { return spy.canReadLine(); }, 10000) && !spy.readLine().isEmpty();
    };
    const bool changed = nextLine() && (click(window, pixel), nextLine());
    spy.kill();
    spy.waitForFinished();
    return changed;
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

void PrivateXServer::move(qulonglong window, QPoint to) const
{
    xdotool({QStringLiteral("windowmove"), QString::number(window), QString::number(to.x()), QString::number(to.y())});
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

qulonglong PrivateXServer::focusWindow() const
{
    return xdotool({QStringLiteral("getwindowfocus")}).toULongLong();
}

qint64 PrivateXServer::processOf(qulonglong window) const
{
    return xdotool({QStringLiteral("getwindowpid"), QString::number(window)}).toLongLong();
}

QString PrivateXServer::windowClass(qulonglong window) const
{
    // WM_CLASS(STRING) = "instance", "class"
    const QString property = run(QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(window),
                                                           QStringLiteral("WM_CLASS")});
    static const QRegularExpression quoted(QStringLiteral("\"([^\"]*)\""));
    QString last;
    for (const QRegularExpressionMatch& value : quoted.globalMatch(property))
        last = value.captured(1);
    return last;
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
    // The root's children, the front one first, each with the windows inside it (a window
    // manager puts each program window into a frame of its own): lines such as
    // "     0x40000f "QL Tastomat": ("tastomat" "QL Tastomat")  434x307+291+217  +291+217",
    // indented by their depth, the last two numbers where the window lies on the screen.
    static const QRegularExpression line(QStringLiteral(
        "^( *)(0x[0-9a-f]+) .*\\s(\\d+)x(\\d+)\\+-?\\d+\\+-?\\d+\\s+\\+?(-?\\d+)\\+?(-?\\d+)\\s*$"));
    struct TopLevel {
        QRect place;
        bool shown = false;
        bool holdsWindow = false;
    };
    std::vector<TopLevel> stack;
    qsizetype topIndent = -1;
    for (const QString& text : run(QStringLiteral("xwininfo"), {QStringLiteral("-root"), QStringLiteral("-tree")})
                                   .split(QLatin1Char('\n'))) {
        const QRegularExpressionMatch m = line.match(text);
        if (!m.hasMatch())
            continue;
        const qulonglong id = m.captured(2).toULongLong(nullptr, 16);
        if (topIndent < 0)
            topIndent = m.capturedLength(1);
        if (m.capturedLength(1) == topIndent)
            stack.push_back({QRect(m.captured(5).toInt(), m.captured(6).toInt(), m.captured(3).toInt(), m.captured(4).toInt())});
        stack.back().shown = stack.back().shown || visible.contains(id);
        stack.back().holdsWindow = stack.back().holdsWindow || id == window;
    }
    for (const TopLevel& top : stack) {
        if (top.holdsWindow)
            return true;
        if (top.shown && top.place.intersects(place))
            return false;
    }
    return false;
}

} // namespace testing_support

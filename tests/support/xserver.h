// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QList>
#include <QPoint>
#include <QProcessEnvironment>
#include <QRect>
#include <QSize>
#include <QString>

#include <sys/types.h>

namespace testing_support {

// Pixel centre of a control given in twips, the layouts' unit (15 twips per pixel): where a
// click on it lands.
inline QPoint twipsCentre(int left, int top, int width, int height)
{
    return {(left + width / 2) / 15, (top + height / 2) / 15};
}

// How many different colours the area of a grabbed window shows: a picture or text shows many,
// an empty or unpainted area a few.
int colourCount(const QImage& image, const QRect& area);
// The centres, left to right, of the runs of this colour (RGB) wider than 20 pixels along a row
// of the image: the places of controls painted in it, such as word building's hidden slots.
QList<int> runsOfColour(const QImage& image, int row, QRgb colour);

// A private X server (Xvfb) of the test's own, on which the real programs run and receive real
// mouse clicks (xdotool), as a pupil's or teacher's clicks reach them. It runs no window manager,
// as on a kiosk, unless one is asked for: then a small desktop's one (openbox) frames, stacks and
// focuses the windows.
class PrivateXServer {
public:
    enum class WindowManager { None, Openbox };
    explicit PrivateXServer(QSize screen = {1024, 768}, WindowManager manager = WindowManager::None);
    ~PrivateXServer();
    PrivateXServer(const PrivateXServer&) = delete;
    PrivateXServer& operator=(const PrivateXServer&) = delete;

    // The server, and the window manager when one was asked for, are ready.
    bool running() const { return !display_.isEmpty(); }
    // The environment for a program shown on this server.
    QProcessEnvironment environment() const;

    // What a window is to the X server (_NET_WM_WINDOW_TYPE): a form, a message box or other
    // dialog, an open menu.
    enum class Kind { Any, Normal, Dialog, Menu };

    // The first window with exactly this title (and of that kind); 0 when none appears within
    // `ms` (a loaded machine may take seconds to show one).
    qulonglong waitForWindow(const QString& title, int ms = 30000, Kind kind = Kind::Any) const;
    // The first visible window with exactly this title (and of that kind) now; 0 when none.
    qulonglong findWindow(const QString& title, Kind kind = Kind::Any) const;
    Kind kind(qulonglong window) const;
    // An open menu (menus carry no title); 0 when none opens within `ms`.
    qulonglong waitForMenu(int ms = 5000) const;
    // A real click at `pixel`, relative to the window's top-left corner.
    void click(qulonglong window, QPoint pixel) const;
    // A click that a window manager answers by activating (and raising) the window clicked: true
    // once it has changed the active window, which it does before the program hears of it.
    bool clickActivating(qulonglong window, QPoint pixel) const;
    // Real key presses, in xdotool's names ("F6", "alt+m", "Return"), to the window after
    // focusing it, or with window 0 to what has the keyboard now (an open menu).
    void key(qulonglong window, const QStringList& keys) const;
    // Real clicks at the pixels of the window, then real key presses, in one quick go as a
    // child's impatient clicks and keys fall; the keys go to the window, focused first.
    void input(qulonglong window, const QList<QPoint>& clicks, const QStringList& keys) const;
    // Moves the window's top-left corner to `to` on the screen, as a drag of its title bar would.
    void move(qulonglong window, QPoint to) const;
    // What the window shows on the screen now.
    QImage grab(qulonglong window) const;
    // Where the window lies on the screen, and whether it is in the full-screen state.
    QRect geometry(qulonglong window) const;
    bool fullScreen(qulonglong window) const;
    // The window that has the keyboard, 0 for none.
    qulonglong focusWindow() const;
    // The process that shows the window, 0 when it names none.
    qint64 processOf(qulonglong window) const;
    // The class part of the window's WM_CLASS, which desktops match with a desktop entry's
    // StartupWMClass; empty when it has none.
    QString windowClass(qulonglong window) const;
    // Every visible window with a title.
    QList<qulonglong> visibleWindows() const;
    // Whether the window is shown and no other visible window lies over any part of it: all of it
    // is seen and every click on it reaches it.
    bool inFront(qulonglong window) const;
    // Announces the work area as a desktop with a panel does (the root window's _NET_WORKAREA).
    void setWorkArea(const QRect& area) const;

private:
    QString run(const QString& tool, const QStringList& arguments) const;
    QString xdotool(const QStringList& arguments) const;
    bool startWindowManager();

    pid_t server_ = -1;
    pid_t windowManager_ = -1;
    QString display_;
};

} // namespace testing_support

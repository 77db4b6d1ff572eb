// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>

#include <initializer_list>

namespace platform {

// The application object of every program and test: it gives forms the first look at keys
// (key preview) before any control sees them, and brings every window to the front as it
// shows, with or without a window manager.
class Application : public QApplication {
public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
    // The event loop, unless the program already ended while its main window loaded.
    int run();
    static bool mainLoopRunning();
};

// Raises a window of the program, as every window is raised when it shows; false for a widget
// that is no such window (a control, a popup or tooltip, which place themselves).
bool bringToFront(QWidget* widget);
// Raises the program's shown windows as they stand: each above the window it belongs to, the
// modal one that waits for an answer above all. `except` (a backdrop that came to the front)
// stays where it is, and the window that stands on it goes first. Returns the window now in
// front, or nullptr.
QWidget* raiseShownWindows(const QWidget* except = nullptr);

// Windows virtual-key code of a Qt key (F6 = 117, A = 65, Return = 13), 0 when it has none.
int virtualKeyCode(int qtKey);
inline constexpr int kKeyF6 = 117;
inline constexpr int kKeyReturn = 13;
inline constexpr int kKeyEscape = 27;
// For a form's key handler: whether the key is one of `keys`; it then goes no further (a dialog's
// Enter or Esc pressing one of its buttons).
bool takeKey(int& keyCode, std::initializer_list<int> keys);
// Windows-1252 character code of typed text, 0 for none; and back.
int characterCode(const QString& text);
QString characterText(int code);

} // namespace platform

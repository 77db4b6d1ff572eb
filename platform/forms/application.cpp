// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/forms/application.h"

#include "platform/files.h"
#include "platform/forms/end.h"
#include "platform/forms/form.h"
#include "platform/forms/scaling.h"

#include <QFont>
#include <QKeyEvent>
#include <QWindow>

#include <algorithm>
#include <map>

namespace platform {

Application::Application(int& argc, char** argv) : QApplication(argc, argv)
{
    // The layouts' fonts by metric-compatible faces, so captions take the room the layouts give.
    substituteLayoutFaces();
    // The menu bars belong in the windows, whose layouts count them; asking the desktop for a
    // menu bar of its own would also cost every start a connection to the session bus.
    setAttribute(Qt::AA_DontUseNativeMenuBar);
    // The layouts' default font also for what is made before it reaches a form (a text box's
    // document, a message box): a start then opens one font family, not a second fallback one.
    setFont(defaultLayoutFont());
    installScaledStyle();
}

namespace {
bool g_mainLoopRunning = false;
}

int Application::run()
{
    if (programEnded())
        return 0;
    g_mainLoopRunning = true;
    const int code = exec();
    g_mainLoopRunning = false;
    return code;
}

bool Application::mainLoopRunning()
{
    return g_mainLoopRunning;
}

namespace {

int shiftState(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0)
           | (modifiers & Qt::AltModifier ? 4 : 0);
}

Form* formOf(QObject* receiver)
{
    if (!receiver->isWidgetType())
        return nullptr;
    return qobject_cast<Form*>(static_cast<QWidget*>(receiver)->window());
}

} // namespace

bool Application::notify(QObject* receiver, QEvent* event)
{
    const auto type = event->type();
    // An X server without a window manager maps a window where it stands in the stacking
    // order: one shown again (the launcher's window after a restart) would stay behind what was
    // made meanwhile (the new backdrop).
    if (type == QEvent::Show && receiver->isWidgetType())
        bringToFront(static_cast<QWidget*>(receiver));
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease)
        return QApplication::notify(receiver, event);
    Form* form = formOf(receiver);
    if (!form)
        return QApplication::notify(receiver, event);

    auto* key = static_cast<QKeyEvent*>(event);
    auto* widget = static_cast<QWidget*>(receiver);
    int keyCode = virtualKeyCode(key->key());
    if (keyCode != 0 && !form->previewKey(widget, keyCode, shiftState(key->modifiers()),
                                          type == QEvent::KeyPress))
        return true;
    if (type == QEvent::KeyRelease || key->text().isEmpty())
        return QApplication::notify(receiver, event);

    const int original = characterCode(key->text());
    int keyAscii = original;
    if (!form->previewChar(widget, keyAscii))
        return true;
    if (keyAscii == original)
        return QApplication::notify(receiver, event);
    QKeyEvent replaced(key->type(), key->key(), key->modifiers(), characterText(keyAscii),
                       key->isAutoRepeat(), static_cast<quint16>(key->count()));
    return QApplication::notify(receiver, &replaced);
}

bool bringToFront(QWidget* widget)
{
    const Qt::WindowType type = widget->windowType();
    if (!widget->isWindow() || (type != Qt::Window && type != Qt::Dialog))
        return false;
    widget->raise();
    return true;
}

namespace {

// How many windows a window belongs to, one above the other, up to `except`: 0 for a backdrop,
// 1 for the main window shown over it.
int ownerDepth(const QWidget* window, const QWidget* except)
{
    const QWindow* stop = except ? except->windowHandle() : nullptr;
    int depth = 0;
    for (const QWindow* w = window->windowHandle(); w && (w = w->transientParent()) && w != stop;)
        ++depth;
    return depth;
}

bool standsOn(const QWidget* window, const QWidget* except)
{
    const QWindow* handle = window->windowHandle();
    return except && handle && handle->transientParent() == except->windowHandle();
}

} // namespace

QWidget* raiseShownWindows(const QWidget* except)
{
    std::vector<QWidget*> windows;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && window != except)
            windows.push_back(window);
    std::stable_partition(windows.begin(), windows.end(),
                          [except](const QWidget* w) { return standsOn(w, except); });
    std::stable_sort(windows.begin(), windows.end(), [except](const QWidget* a, const QWidget* b) {
        return ownerDepth(a, except) < ownerDepth(b, except);
    });
    if (QWidget* modal = QApplication::activeModalWidget()) {
        windows.erase(std::remove(windows.begin(), windows.end(), modal), windows.end());
        if (modal != except && modal->isVisible())
            windows.push_back(modal);
    }
    QWidget* front = nullptr;
    for (QWidget* window : windows)
        if (bringToFront(window))
            front = window;
    return front;
}

int virtualKeyCode(int qtKey)
{
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return 'A' + (qtKey - Qt::Key_A);
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return '0' + (qtKey - Qt::Key_0);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return 112 + (qtKey - Qt::Key_F1);
    static const std::map<int, int> codes{
        {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9}, {Qt::Key_Return, 13}, {Qt::Key_Enter, 13},
        {Qt::Key_Shift, 16}, {Qt::Key_Control, 17}, {Qt::Key_Alt, 18}, {Qt::Key_Escape, 27},
        {Qt::Key_Space, 32}, {Qt::Key_PageUp, 33}, {Qt::Key_PageDown, 34}, {Qt::Key_End, 35},
        {Qt::Key_Home, 36}, {Qt::Key_Left, 37}, {Qt::Key_Up, 38}, {Qt::Key_Right, 39},
        {Qt::Key_Down, 40}, {Qt::Key_Insert, 45}, {Qt::Key_Delete, 46}};
    const auto it = codes.find(qtKey);
    return it == codes.end() ? 0 : it->second;
}

bool takeKey(int& keyCode, std::initializer_list<int> keys)
{
    if (std::find(keys.begin(), keys.end(), keyCode) == keys.end())
        return false;
    keyCode = 0;
    return true;
}

int characterCode(const QString& text)
{
    if (text.isEmpty())
        return 0;
    return static_cast<unsigned char>(encodeWindows1252(text.left(1)).at(0));
}

QString characterText(int code)
{
    return decodeWindows1252(QByteArray(1, static_cast<char>(code)));
}

} // namespace platform

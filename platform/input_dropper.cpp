// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/input_dropper.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QTimer>

#include <functional>

#include <xcb/xcb.h>

namespace platform {

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

// A message the program sends itself through the X server. The server sends a client its
// events in order, so once the message is back, every input event the server had sent before
// it has been read and handed on.
class XFence : public QAbstractNativeEventFilter {
public:
    explicit XFence(xcb_connection_t* connection) : connection_(connection)
    {
        QCoreApplication::instance()->installNativeEventFilter(this);
        send();
    }
    ~XFence() override { QCoreApplication::instance()->removeNativeEventFilter(this); }
    XFence(const XFence&) = delete;
    XFence& operator=(const XFence&) = delete;

    // Runs the events until the message is back; a broken connection gives up after a second.
    void pass()
    {
        QEventLoop loop;
        passed_ = [&loop] { loop.quit(); };
        QTimer::singleShot(kGiveUpMs, &loop, &QEventLoop::quit);
        loop.exec();
    }

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override
    {
        if (type != "xcb_generic_event_t")
            return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7f) != XCB_CLIENT_MESSAGE)
            return false;
        const auto* fence = static_cast<const xcb_client_message_event_t*>(message);
        if (fence->window != window(connection_))
            return false;
        // A message of an earlier fence that gave up is swallowed as well.
        if (fence->data.data32[0] == serial_ && passed_)
            passed_();
        return true;
    }

private:
    static constexpr int kGiveUpMs = 1000;

    // An unmapped window of the program's own: a message sent to it without an event mask goes
    // to the client that made it, this program, and to no other.
    static xcb_window_t window(xcb_connection_t* connection)
    {
        static xcb_window_t own = 0;
        if (own == 0) {
            own = xcb_generate_id(connection);
            const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
            xcb_create_window(connection, XCB_COPY_FROM_PARENT, own, screen->root, 0, 0, 1, 1, 0,
                              XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
        }
        return own;
    }

    void send()
    {
        static quint32 serials = 0;
        serial_ = ++serials;
        xcb_client_message_event_t message{};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = window(connection_);
        message.type = XCB_ATOM_INTEGER;
        message.data.data32[0] = serial_;
        xcb_send_event(connection_, false, message.window, XCB_EVENT_MASK_NO_EVENT,
                       reinterpret_cast<const char*>(&message));
        xcb_flush(connection_);
    }

    xcb_connection_t* connection_;
    quint32 serial_ = 0;
    std::function<void()> passed_;
};

// Brings in what the display server has sent so far; the installed filter drops its input.
void takeSentInput()
{
    const auto* gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    const auto* x11 = gui ? gui->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (x11 && x11->connection()) {
        XFence fence(x11->connection());
        fence.pass();
    }
    // The input read with the message is handed to the windows, and dropped, in this round.
    QCoreApplication::processEvents();
}

} // namespace

InputDropper::InputDropper()
{
    if (QCoreApplication* app = QCoreApplication::instance())
        app->installEventFilter(this);
}

InputDropper::~InputDropper()
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app)
        return;
    takeSentInput();
    app->removeEventFilter(this);
}

bool InputDropper::eventFilter(QObject*, QEvent* event)
{
    return isUserInput(event);
}

} // namespace platform

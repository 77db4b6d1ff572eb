// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/forms/end.h"

#include <QObject>

#include <type_traits>
#include <utility>

namespace platform {

// Calls `handler` with the signal's arguments when it takes them, else without.
template <class Handler, class... Args>
void callHandler(const Handler& handler, const Args&... args)
{
    if constexpr (std::is_invocable_v<const Handler&, const Args&...>)
        handler(args...);
    else
        handler();
}

// The one way to take a control's signal: `handler` runs as every event handler does, through
// runHandler, so End() inside it ends the program cleanly, and it no longer starts once the
// program ended or is ending. The connection lasts as long as `context`.
template <class Sender, class Signal, class Handler>
QMetaObject::Connection onEvent(const Sender* sender, Signal signal, const QObject* context, Handler handler)
{
    return QObject::connect(sender, signal, context, [handler = std::move(handler)](const auto&... args) {
        runHandler([&] { callHandler(handler, args...); });
    });
}

} // namespace platform

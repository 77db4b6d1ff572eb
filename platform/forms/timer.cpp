// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/forms/timer.h"

#include "platform/forms/end.h"
#include "platform/services.h"

namespace platform {

Timer::Timer(const QString& name, int intervalMs, std::function<void()> onTimer, QObject* parent)
    : QObject(parent), interval_(intervalMs), onTimer_(std::move(onTimer))
{
    setObjectName(name);
}

Timer::~Timer()
{
    cancel();
}

void Timer::setEnabled(bool enabled)
{
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    enabled ? schedule() : cancel();
}

void Timer::setInterval(int ms)
{
    interval_ = ms;
    if (enabled_) {
        cancel();
        schedule();
    }
}

void Timer::schedule()
{
    if (interval_ > 0)
        timerId_ = services().clock->startTimer(interval_, [this] { fire(); });
}

void Timer::cancel()
{
    if (timerId_ != 0 && services().clock)
        services().clock->stopTimer(timerId_);
    timerId_ = 0;
}

void Timer::fire()
{
    timerId_ = 0;
    schedule();
    runHandler(onTimer_);
}

} // namespace platform

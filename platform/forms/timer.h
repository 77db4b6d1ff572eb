// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

#include <functional>

namespace platform {

// The timer control: while enabled it calls its handler every interval, on the clock service.
class Timer : public QObject {
    Q_OBJECT
public:
    Timer(const QString& name, int intervalMs, std::function<void()> onTimer,
          QObject* parent = nullptr);
    ~Timer() override;

    void setEnabled(bool enabled);
    bool enabled() const { return enabled_; }
    void setInterval(int ms);
    int interval() const { return interval_; }

private:
    void schedule();
    void cancel();
    void fire();

    int interval_;
    bool enabled_ = false;
    int timerId_ = 0;
    std::function<void()> onTimer_;
};

} // namespace platform

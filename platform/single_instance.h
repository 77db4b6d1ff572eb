// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

#include <functional>

namespace platform {

// One running copy per program, user and data folder. The first copy holds an exclusive lock
// on a lock file in the user's runtime folder for its whole life, so that of two copies
// started at the same instant exactly one wins; it also listens on a local socket beside the
// lock, so that a later copy can ask it to come to the front by connecting. Both files go when
// the copy ends.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString& programName, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when another copy runs (it has been asked to come to the front); otherwise this copy
    // becomes the one that runs.
    bool anotherRunning();
    // What a later copy's call does; by default bringWindowsToFront.
    void setActivationHandler(std::function<void()> handler) { onActivate_ = std::move(handler); }

private:
    bool lock(const QString& lockFile);
    void listen();
    void askToComeToTheFront() const;

    void acceptCalls();

    QString name_;
    QString socketFile_;
    QString lockFile_;
    int lockFd_ = -1;
    int listenFd_ = -1;
    std::function<void()> onActivate_;
};

// The program's shown windows come to the front as they stand: a window above the one it
// belongs to (the main window above its backdrop), the modal form or box that waits for an
// answer above all, minimised ones restored; a window not shown yet stays hidden.
void bringWindowsToFront();

} // namespace platform

#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QLocalServer;

namespace platform {

// One running copy per program, user and data folder. The first copy holds an exclusive lock
// on a lock file in the user's runtime folder for its whole life, so that of two copies
// started at the same instant exactly one wins; it also listens, so that a later copy can ask
// it to come to the front.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString& programName, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when another copy runs (it has been asked to come to the front); otherwise this copy
    // becomes the one that runs.
    bool anotherRunning();
    void setActivationHandler(std::function<void()> handler) { onActivate_ = std::move(handler); }

private:
    void listen();
    void askToComeToTheFront() const;

    QString name_;
    int lockFd_ = -1;
    QLocalServer* server_ = nullptr;
    std::function<void()> onActivate_;
};

} // namespace platform

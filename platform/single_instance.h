#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QLocalServer;

namespace platform {

// One running copy per program and user. The first copy listens; a later copy asks it to come
// to the front and learns that it must end.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString& programName, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when another copy runs (it has been asked to come to the front); otherwise this copy
    // becomes the one that listens.
    bool anotherRunning();
    void setActivationHandler(std::function<void()> handler) { onActivate_ = std::move(handler); }

private:
    QString serverName_;
    QLocalServer* server_ = nullptr;
    std::function<void()> onActivate_;
};

} // namespace platform

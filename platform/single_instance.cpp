#include "single_instance.h"

#include "services.h"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>

#include <unistd.h>

namespace platform {

SingleInstance::SingleInstance(const QString& programName, QObject* parent) : QObject(parent)
{
    // Per program and user; the data folder in the name keeps separate data folders apart.
    const QByteArray where = services().paths->appDataFolder().toUtf8();
    const QString hash = QString::fromLatin1(
        QCryptographicHash::hash(where, QCryptographicHash::Sha1).toHex().left(12));
    serverName_ = QStringLiteral("tavoro-%1-%2-%3").arg(programName.toLower()).arg(::getuid()).arg(hash);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::anotherRunning()
{
    QLocalSocket probe;
    probe.connectToServer(serverName_);
    if (probe.waitForConnected(500)) {
        probe.write("activate\n");
        probe.waitForBytesWritten(500);
        probe.disconnectFromServer();
        return true;
    }
    server_ = new QLocalServer(this);
    QLocalServer::removeServer(serverName_);
    if (!server_->listen(serverName_))
        return false;
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* peer = server_->nextPendingConnection()) {
            connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
            if (onActivate_)
                onActivate_();
        }
    });
    return false;
}

} // namespace platform

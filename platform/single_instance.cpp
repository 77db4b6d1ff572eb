#include "single_instance.h"

#include "services.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace platform {

namespace {

// The user's runtime folder; a private folder below the temp folder where there is none.
QString runtimeFolder()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir() && QFileInfo(runtime).isWritable())
        return runtime;
    const QString own = QDir::tempPath() + QStringLiteral("/tavoro-%1").arg(::getuid());
    QDir().mkpath(own);
    QFile::setPermissions(own, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return own;
}

} // namespace

SingleInstance::SingleInstance(const QString& programName, QObject* parent) : QObject(parent)
{
    // Per program and user; the data folder in the name keeps separate data folders apart.
    const QByteArray where = services().paths->appDataFolder().toUtf8();
    const QString hash = QString::fromLatin1(
        QCryptographicHash::hash(where, QCryptographicHash::Sha1).toHex().left(12));
    name_ = QStringLiteral("tavoro-%1-%2-%3").arg(programName.toLower()).arg(::getuid()).arg(hash);
}

SingleInstance::~SingleInstance()
{
    if (lockFd_ >= 0)
        ::close(lockFd_);
}

bool SingleInstance::anotherRunning()
{
    const QString lockFile = runtimeFolder() + QLatin1Char('/') + name_ + QStringLiteral(".lock");
    lockFd_ = ::open(QFile::encodeName(lockFile).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    // Without a lock file this copy cannot tell, and runs rather than refuse the pupil.
    if (lockFd_ >= 0 && ::flock(lockFd_, LOCK_EX | LOCK_NB) != 0) {
        ::close(lockFd_);
        lockFd_ = -1;
        askToComeToTheFront();
        return true;
    }
    listen();
    return false;
}

// The winner may not listen yet when both started at once: it is given a moment.
void SingleInstance::askToComeToTheFront() const
{
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 3000) {
        QLocalSocket probe;
        probe.connectToServer(name_);
        if (probe.waitForConnected(500)) {
            probe.write("activate\n");
            probe.waitForBytesWritten(500);
            probe.disconnectFromServer();
            return;
        }
        QThread::msleep(50);
    }
}

void SingleInstance::listen()
{
    server_ = new QLocalServer(this);
    // Holding the lock, any socket of that name is a dead copy's.
    QLocalServer::removeServer(name_);
    if (!server_->listen(name_))
        return;
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* peer = server_->nextPendingConnection()) {
            connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
            if (onActivate_)
                onActivate_();
        }
    });
}

} // namespace platform

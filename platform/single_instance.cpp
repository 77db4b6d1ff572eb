#include "single_instance.h"

#include "services.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QThread>

#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/un.h>
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

// False when the path does not fit a socket address.
bool socketAddress(const QString& file, sockaddr_un& address)
{
    const QByteArray path = QFile::encodeName(file);
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (path.size() >= static_cast<qsizetype>(sizeof address.sun_path))
        return false;
    std::memcpy(address.sun_path, path.constData(), static_cast<size_t>(path.size()));
    return true;
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
    if (listenFd_ >= 0) {
        ::close(listenFd_);
        QFile::remove(socketFile_);
    }
    if (lockFd_ >= 0)
        ::close(lockFd_);
}

bool SingleInstance::anotherRunning()
{
    const QString folder = runtimeFolder() + QLatin1Char('/');
    socketFile_ = folder + name_ + QStringLiteral(".socket");
    const QString lockFile = folder + name_ + QStringLiteral(".lock");
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

// A connection is the request. The winner may not listen yet when both started at once: it is
// given a moment.
void SingleInstance::askToComeToTheFront() const
{
    sockaddr_un address;
    if (!socketAddress(socketFile_, address))
        return;
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 3000) {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0)
            return;
        const bool called =
            ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
        ::close(fd);
        if (called)
            return;
        QThread::msleep(50);
    }
}

void SingleInstance::listen()
{
    sockaddr_un address;
    if (!socketAddress(socketFile_, address))
        return;
    // Plain POSIX rather than Qt's network module, whose libraries would cost every start.
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return;
    // Holding the lock, any socket of that name is a dead copy's.
    QFile::remove(socketFile_);
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(fd, 8) != 0) {
        ::close(fd);
        return;
    }
    listenFd_ = fd;
    auto* calls = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(calls, &QSocketNotifier::activated, this, &SingleInstance::acceptCalls);
}

void SingleInstance::acceptCalls()
{
    for (int peer; (peer = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC)) >= 0;) {
        ::close(peer);
        if (onActivate_)
            onActivate_();
    }
}

} // namespace platform

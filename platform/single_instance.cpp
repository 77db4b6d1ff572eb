// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/single_instance.h"

#include "platform/files.h"
#include "platform/forms/application.h"
#include "platform/services.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QThread>
#include <QWidget>

#include <cstring>

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace platform {

namespace {

// How long a later copy tries to reach the running one, and then waits for its answer (a copy
// in a blocking pause answers after it).
constexpr int kCallMs = 3000;
constexpr int kAnswerMs = 1000;

// The user's runtime folder; a private folder below the temp folder where there is none.
QString runtimeFolder()
{
    QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir() && QFileInfo(runtime).isWritable())
        return runtime;
    QString own = QDir::tempPath() + QStringLiteral("/tavoro-%1").arg(::getuid());
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

// Whether the descriptor is still the file of that name: a copy that ended removed its lock
// file, and a lock on the removed file would keep nobody out.
bool stillNamed(int fd, const QString& file)
{
    struct stat held {};
    struct stat named {};
    return ::fstat(fd, &held) == 0 && ::stat(QFile::encodeName(file).constData(), &named) == 0
           && held.st_dev == named.st_dev && held.st_ino == named.st_ino;
}

} // namespace

void bringWindowsToFront()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && window->isMinimized())
            window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    if (QWidget* front = raiseShownWindows())
        front->activateWindow();
}

SingleInstance::SingleInstance(const QString& programName, QObject* parent)
    : QObject(parent), onActivate_(bringWindowsToFront)
{
    // Per program and user; the data folder in the name keeps separate data folders apart, and
    // every spelling of one folder gives the same name.
    const QByteArray where = folderIdentity(services().paths->appDataFolder()).toUtf8();
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
    if (lockFd_ >= 0) {
        // Removed while still held: a copy starting now locks a new file of that name.
        QFile::remove(lockFile_);
        ::close(lockFd_);
    }
}

bool SingleInstance::anotherRunning()
{
    const QString folder = runtimeFolder() + QLatin1Char('/');
    socketFile_ = folder + name_ + QStringLiteral(".socket");
    lockFile_ = folder + name_ + QStringLiteral(".lock");
    if (!lock(lockFile_)) {
        askToComeToTheFront();
        return true;
    }
    listen();
    return false;
}

// False when another copy holds the lock. Without a lock file this copy cannot tell, and runs
// rather than refuse the pupil.
bool SingleInstance::lock(const QString& lockFile)
{
    while (true) {
        const int fd = ::open(QFile::encodeName(lockFile).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (fd < 0)
            return true;
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            ::close(fd);
            return false;
        }
        if (stillNamed(fd, lockFile)) {
            lockFd_ = fd;
            return true;
        }
        ::close(fd);
    }
}

// A connection is the request; the running copy answers once it has come to the front. The
// winner may not listen yet when both started at once: it is given a moment.
void SingleInstance::askToComeToTheFront() const
{
    sockaddr_un address;
    if (!socketAddress(socketFile_, address))
        return;
    const QDeadlineTimer deadline(kCallMs);
    while (!deadline.hasExpired()) {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0)
            return;
        if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) {
            pollfd answer{fd, POLLIN, 0};
            ::poll(&answer, 1, kAnswerMs);
            ::close(fd);
            return;
        }
        ::close(fd);
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
        if (onActivate_)
            onActivate_();
        const char done = 1;
        [[maybe_unused]] const ssize_t written = ::send(peer, &done, 1, MSG_NOSIGNAL);
        ::close(peer);
    }
}

} // namespace platform

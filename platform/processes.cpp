// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/processes.h"

#include "platform/files.h"
#include "platform/services.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <thread>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace platform {

namespace fs = std::filesystem;

namespace {

QString withoutExe(const QString& name)
{
    return name.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive) ? name.chopped(4) : name;
}

// What a running executable's file name ends in for the program the suite names.
QString runningName(const QString& programName)
{
    return withoutExe(QFileInfo(programName).fileName());
}

QString existingExecutable(const QString& path)
{
    const QFileInfo info(resolvePathNoCase(path));
    return info.isFile() && info.isExecutable() ? info.absoluteFilePath() : QString();
}

} // namespace

CommandLine splitCommandLine(const QString& line)
{
    const QString text = line.trimmed();
    if (text.startsWith(QLatin1Char('"'))) {
        const qsizetype close = text.indexOf(QLatin1Char('"'), 1);
        if (close > 0)
            return {text.mid(1, close - 1), text.mid(close + 2)};
    }
    qsizetype from = 0;
    while (true) {
        const qsizetype exe = text.indexOf(QLatin1String(".exe"), from, Qt::CaseInsensitive);
        if (exe < 0)
            break;
        const qsizetype end = exe + 4;
        if (end == text.size())
            return {text, {}};
        if (text[end] == QLatin1Char(' '))
            return {text.left(end), text.mid(end + 1)};
        from = end;
    }
    const qsizetype blank = text.indexOf(QLatin1Char(' '));
    if (blank < 0)
        return {text, {}};
    return {text.left(blank), text.mid(blank + 1)};
}

QString executableFor(const QString& programName)
{
    const QString name = withoutExe(QDir::fromNativeSeparators(programName));
    if (QDir::isAbsolutePath(name))
        return existingExecutable(name);
    QString inProgramFolder =
        existingExecutable(services().paths->programFolder() + QLatin1Char('/') + name);
    if (!inProgramFolder.isEmpty())
        return inProgramFolder;
    return existingExecutable(QDir::currentPath() + QLatin1Char('/') + name);
}

bool programFileExists(const QString& programName)
{
    return !executableFor(programName).isEmpty();
}

namespace {

// The application-data folder a process runs with, from the environment it was started with.
QString appDataFolderOf(const QString& pid)
{
    QFile file(QStringLiteral("/proc/%1/environ").arg(pid));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString xdg;
    QString home;
    for (const QByteArray& entry : file.readAll().split('\0')) {
        if (entry.startsWith("XDG_DATA_HOME="))
            xdg = QFile::decodeName(entry.mid(14));
        else if (entry.startsWith("HOME="))
            home = QFile::decodeName(entry.mid(5));
    }
    return xdg.isEmpty() ? home + QStringLiteral("/.local/share") : xdg;
}

} // namespace

std::vector<RunningProcess> runningProcesses(const QString& nameEnd)
{
    // One read of the folder and one link per process: a start asks this before its first window.
    std::vector<RunningProcess> found;
    std::error_code error;
    for (fs::directory_iterator entry("/proc", error), end; !error && entry != end; entry.increment(error)) {
        const std::string pid = entry->path().filename().string();
        if (!std::all_of(pid.begin(), pid.end(), [](char c) { return c >= '0' && c <= '9'; }))
            continue;
        std::error_code unreadable;
        const fs::path exe = fs::read_symlink(entry->path() / "exe", unreadable);
        const QString name = QFile::decodeName(exe.filename().c_str());
        if (unreadable || exe.empty() || !name.endsWith(nameEnd, Qt::CaseInsensitive))
            continue;
        const QString id = QString::fromStdString(pid);
        found.push_back({name, QFileInfo(QStringLiteral("/proc/") + id).ownerId(), appDataFolderOf(id)});
    }
    return found;
}

bool processRunning(const QString& programName, const std::vector<RunningProcess>& processes,
                    uint owner, const QString& appDataFolder)
{
    const QString wanted = runningName(programName);
    if (wanted.isEmpty())
        return false;
    const QString folder = folderIdentity(appDataFolder);
    return std::any_of(processes.begin(), processes.end(), [&](const RunningProcess& p) {
        return p.owner == owner && folderIdentity(p.appDataFolder) == folder
               && p.executableName.endsWith(wanted, Qt::CaseInsensitive);
    });
}

bool processRunning(const QString& programName)
{
    return processRunning(programName, runningProcesses(runningName(programName)), ::getuid(),
                          services().paths->appDataFolder());
}

bool startDetached(const QString& executable, const QStringList& arguments)
{
    std::vector<QByteArray> encoded{QFile::encodeName(executable)};
    for (const QString& argument : arguments)
        encoded.push_back(argument.toLocal8Bit());
    std::vector<char*> argv;
    argv.reserve(encoded.size() + 1);
    for (QByteArray& argument : encoded)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    // A process group of its own keeps a terminal's Ctrl+C or hang-up meant for the caller from
    // ending it. The session stays the caller's: the processor is shared out between sessions
    // first, and a caller that steps aside makes room only within its own.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
    // A spawn copies nothing of the caller; a fork of a big program copies its page tables
    // while the started program waits for the processor.
    pid_t pid = 0;
    const int failed = posix_spawn(&pid, argv.front(), nullptr, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    if (failed != 0)
        return false;
    // A caller that stays open would otherwise keep each ended child as a zombie.
    std::thread([pid] { ::waitpid(pid, nullptr, 0); }).detach();
    return true;
}

bool processAlive(qint64 pid)
{
    if (pid <= 0)
        return false;
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

} // namespace platform

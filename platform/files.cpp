// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/files.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QSet>
#include <QStringConverter>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <set>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// The random part of a temporary file's name.
constexpr qsizetype kUnique = 6;

// Windows-1252 differs from Latin-1 only in 0x80..0x9F.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QStringList splitLines(const QString& text)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QString& line : lines)
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    return lines;
}

QByteArray joinLines(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += encodeWindows1252(line) + "\r\n";
    return bytes;
}

// The message a teacher reads: German, naming the file.
QString describe(FileErrorKind kind, const QString& path, const QString& detail)
{
    switch (kind) {
    case FileErrorKind::NotFound: return QStringLiteral("Datei nicht gefunden: %1").arg(path);
    case FileErrorKind::Locked: return QStringLiteral("Zugriff verweigert: %1").arg(path);
    default: return QStringLiteral("Fehler beim Dateizugriff: %1 (%2)").arg(path, detail);
    }
}

// A write that could not complete; `err` is the errno of the failed call, `detail` what the
// system said.
FileError writeError(int err, const QString& path, const QString& detail)
{
    if (err == ENOSPC || err == EDQUOT)
        return {FileErrorKind::Other,
                QStringLiteral("Die Datei %1 konnte nicht gespeichert werden, weil der Datenträger voll ist. "
                               "Sie ist unverändert geblieben.")
                    .arg(path)};
    return {FileErrorKind::Other,
            QStringLiteral("Die Datei %1 konnte nicht gespeichert werden (%2). Sie ist unverändert geblieben.")
                .arg(path, detail)};
}

FileError writeError(int err, const QString& path, const QFileDevice& file)
{
    return writeError(err, path, file.errorString());
}

FileError errorOf(const QFileDevice& file, const QString& path)
{
    if (file.error() == QFileDevice::NoError)
        return {};
    FileErrorKind kind = FileErrorKind::Other;
    if (!QFileInfo::exists(path))
        kind = FileErrorKind::NotFound;
    else if (file.error() == QFileDevice::PermissionsError)
        kind = FileErrorKind::Locked;
    return {kind, describe(kind, path, file.errorString())};
}

// Why `folder` takes no new file (missing, on a read-only disk, not the user's to write), as the
// end of a German sentence; empty when it would take one.
QString folderRefusal(const QString& folder)
{
    if (!QFileInfo(folder).isDir())
        return QStringLiteral("weil es den Ordner %1 nicht gibt").arg(folder);
    if (::access(QFile::encodeName(folder).constData(), W_OK) == 0)
        return {};
    if (errno == EROFS)
        return QStringLiteral("weil der Ordner %1 schreibgeschützt ist").arg(folder);
    return QStringLiteral("weil Sie im Ordner %1 keine Schreibrechte haben").arg(folder);
}

// A file that could not be opened for writing. A refusal of access is the kind the settings
// readers retry (as a sharing refusal), a missing folder counts as not found.
FileError openForWriteError(const QFileDevice& file, const QString& path, bool appending)
{
    const QString folder = QFileInfo(path).absolutePath();
    QString reason = folderRefusal(folder);
    if (reason.isEmpty() && appending && QFileInfo::exists(path)
        && ::access(QFile::encodeName(path).constData(), W_OK) != 0)
        reason = QStringLiteral("weil die Datei schreibgeschützt ist");
    if (reason.isEmpty())
        return errorOf(file, path);
    const FileErrorKind kind = QFileInfo(folder).isDir() ? FileErrorKind::Locked : FileErrorKind::NotFound;
    return {kind, QStringLiteral("Die Datei %1 kann nicht gespeichert werden, %2.").arg(path, reason)};
}

// A lock another program holds on an existing file.
FileError lockedBySomeoneElse(const QString& path, bool exclusive)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return {};
    FileError result;
    if (::flock(fd, (exclusive ? LOCK_EX : LOCK_SH) | LOCK_NB) != 0 && errno == EWOULDBLOCK)
        result = {FileErrorKind::Locked, describe(FileErrorKind::Locked, path, {})};
    ::close(fd);
    return result;
}

} // namespace

FileError FileError::fromErrno(int err, const QString& path)
{
    FileErrorKind kind = FileErrorKind::Other;
    if (err == ENOENT || err == ENOTDIR)
        kind = FileErrorKind::NotFound;
    else if (err == EWOULDBLOCK || err == EACCES || err == EPERM || err == EBUSY)
        kind = FileErrorKind::Locked;
    return {kind, describe(kind, path, QString::fromLocal8Bit(std::strerror(err)))};
}

QString decodeWindows1252(const QByteArray& bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        text += (b >= 0x80 && b < 0xA0) ? QChar(kCp1252High[b - 0x80]) : QChar(b);
    }
    return text;
}

QByteArray encodeWindows1252(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar ch : text) {
        const char16_t u = ch.unicode();
        char out = '?';
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            out = static_cast<char>(u);
        } else {
            for (int i = 0; i < 32; ++i)
                if (kCp1252High[i] == u)
                    out = static_cast<char>(0x80 + i);
        }
        bytes += out;
    }
    return bytes;
}

QString decodeUtf8OrWindows1252(const QByteArray& bytes)
{
    auto decoder = QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder(bytes);
    return decoder.hasError() ? decodeWindows1252(bytes) : text;
}

QString formatNumber(qint64 value)
{
    return (value < 0 ? QString::number(value) : QLatin1Char(' ') + QString::number(value))
           + QLatin1Char(' ');
}

qint64 parseNumber(const QString& field)
{
    const QString text = field.trimmed();
    qsizetype end = 0;
    if (end < text.size() && (text[end] == QLatin1Char('-') || text[end] == QLatin1Char('+')))
        ++end;
    while (end < text.size() && text[end].isDigit() && text[end].unicode() < 0x80)
        ++end;
    bool ok = false;
    const qint64 value = text.left(end).toLongLong(&ok);
    return ok ? value : 0;
}

QString germanDateTime(const QDateTime& when)
{
    return when.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"));
}

namespace {

// The entry of `folder` named `name` in another case (the first by name where several are),
// else `name`. Walks the folder without sorting or stating it: pictures are looked up this way
// many times at a start.
QString entryInAnyCase(const QString& folder, const QString& name)
{
    QString found;
    QDirIterator entries(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (entries.hasNext()) {
        entries.next();
        const QString entry = entries.fileName();
        if (entry.compare(name, Qt::CaseInsensitive) == 0 && (found.isEmpty() || entry < found))
            found = entry;
    }
    return found.isEmpty() ? name : found;
}

} // namespace

QString resolveNoCase(const QString& folder, const QString& name)
{
    QString current = folder;
    const QStringList parts = QDir::fromNativeSeparators(name).split(QLatin1Char('/'),
                                                                     Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        const QString exact = current + QLatin1Char('/') + part;
        if (part == QLatin1String("..") || part == QLatin1String(".") || QFileInfo::exists(exact)) {
            current = exact;
            continue;
        }
        current += QLatin1Char('/') + entryInAnyCase(current, part);
    }
    return current;
}

QString resolvePathNoCase(const QString& path)
{
    if (path.isEmpty() || QFileInfo::exists(path))
        return path;
    const QFileInfo info(path);
    const QString parent = info.path();
    if (parent == path)
        return path;
    return resolveNoCase(resolvePathNoCase(parent), info.fileName());
}

bool fileExists(const QString& path)
{
    return QFileInfo(resolvePathNoCase(path)).isFile();
}

bool folderExists(const QString& path)
{
    return QFileInfo(resolvePathNoCase(path)).isDir();
}

QString folderIdentity(const QString& path)
{
    if (path.isEmpty())
        return {};
    // The part that exists has its links resolved; the rest is only cleaned.
    QString existing = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    QString missing;
    while (!QFileInfo::exists(existing)) {
        const QFileInfo info(existing);
        missing.prepend(QLatin1Char('/') + info.fileName());
        existing = info.absolutePath();
    }
    return QDir::cleanPath(QFileInfo(existing).canonicalFilePath() + missing);
}

TextFile readTextFile(const QString& path, bool utf8WhenValid)
{
    const QString real = resolvePathNoCase(path);
    if (FileError locked = lockedBySomeoneElse(real, false); locked.failed())
        return {{}, locked};
    QFile file(real);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, errorOf(file, real)};
    const QByteArray bytes = file.readAll();
    const QString text = utf8WhenValid ? decodeUtf8OrWindows1252(bytes) : decodeWindows1252(bytes);
    return {splitLines(text), {}};
}

FileError writeTextFile(const QString& path, const QStringList& lines)
{
    const QString real = resolvePathNoCase(path);
    if (FileError locked = lockedBySomeoneElse(real, true); locked.failed())
        return locked;
    return saveBytes(real, joinLines(lines));
}

namespace {

// The atomic rewrite, with the modification time `modified` when it is valid.
FileError save(const QString& path, const QByteArray& bytes, const QDateTime& modified)
{
    QSaveFile file(path);
    // Unbuffered, so that a full disk fails the write itself and never reaches the rename.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return openForWriteError(file, path, false);
    if (file.write(bytes) != bytes.size()) {
        FileError error = writeError(errno, path, file);
        file.cancelWriting();
        return error;
    }
    // On the open file: the rename keeps it, and no second open is needed.
    if (modified.isValid() && !file.setFileTime(modified, QFileDevice::FileModificationTime)) {
        FileError error = writeError(errno, path, file);
        file.cancelWriting();
        return error;
    }
    if (!file.commit())
        return writeError(errno, path, file);
    return {};
}

} // namespace

FileError saveBytes(const QString& path, const QByteArray& bytes)
{
    return save(path, bytes, {});
}

FileError appendTextLines(const QString& path, const QStringList& lines)
{
    const QString real = resolvePathNoCase(path);
    QFile file(real);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return openForWriteError(file, real, true);
    const qint64 before = file.size();
    const QByteArray bytes = joinLines(lines);
    if (file.write(bytes) != bytes.size()) {
        FileError error = writeError(errno, real, file);
        // A line written in part is taken back: the file stays as it was.
        file.resize(before);
        return error;
    }
    return {};
}

NumberFile readNumberFile(const QString& path)
{
    TextFile text = readTextFile(path);
    NumberFile numbers{{}, text.error};
    for (const QString& line : text.lines)
        numbers.values.append(parseNumber(line));
    return numbers;
}

FileError writeNumberFile(const QString& path, const QVector<qint64>& values)
{
    QStringList lines;
    for (const qint64 value : values)
        lines.append(formatNumber(value));
    return writeTextFile(path, lines);
}

namespace {

struct Source {
    QByteArray bytes;
    timespec modified{};
    FileError error;
};

Source readSource(const QString& path)
{
    QFile in(path);
    struct stat st {};
    if (!in.open(QIODevice::ReadOnly) || ::fstat(in.handle(), &st) != 0)
        return {{}, {}, errorOf(in, path)};
    QByteArray bytes = in.readAll();
    return {std::move(bytes), st.st_mtim, errorOf(in, path)};
}

FileError writeAll(int fd, const QByteArray& bytes, const QString& path)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            const int err = n < 0 ? errno : ENOSPC;
            return writeError(err, path, QString::fromLocal8Bit(std::strerror(err)));
        }
        done += n;
    }
    return {};
}

} // namespace

FileError copyFileKeepingTime(const QString& source, const QString& target)
{
    const QString realSource = resolvePathNoCase(source);
    const Source read = readSource(realSource);
    if (read.error.failed())
        return read.error;
    const qint64 ms = qint64(read.modified.tv_sec) * 1000 + read.modified.tv_nsec / 1000000;
    return save(resolvePathNoCase(target), read.bytes, QDateTime::fromMSecsSinceEpoch(ms));
}

CopyBatch::~CopyBatch()
{
    // What is not committed: temporaries, and targets that did not exist before.
    for (const Copy& copy : copies_)
        ::unlink(copy.written.constData());
}

FileError CopyBatch::add(const QString& source, const QStringList& targets)
{
    const Source read = readSource(source);
    if (read.error.failed())
        return read.error;
    const std::size_t before = copies_.size();
    for (qsizetype i = 0; i < targets.size(); ++i) {
        if (FileError e = write(read.bytes, read.modified, targets[i], i == targets.size() - 1); e.failed()) {
            // None of this source's copies: it is received whole or not at all.
            while (copies_.size() > before) {
                ::unlink(copies_.back().written.constData());
                copies_.pop_back();
            }
            return e;
        }
    }
    return {};
}

namespace {

// Hidden beside the target, where neither a listing of the folder's files nor a dialog that
// offers them shows it; it keeps the mode of the file it replaces, as an atomic rewrite does.
int createTemporary(const QString& target, QByteArray& name)
{
    const QFileInfo info(target);
    const QByteArray targetName = QFile::encodeName(target);
    struct stat old {};
    const bool replaces = ::stat(targetName.constData(), &old) == 0;
    // A read-only file is not replaced, as an atomic rewrite does not replace it either.
    if (replaces && ::access(targetName.constData(), W_OK) != 0)
        return -1;
    for (int attempt = 0; attempt < 8; ++attempt) {
        QString unique(kUnique, QLatin1Char('0'));
        for (QChar& c : unique)
            c = QLatin1Char("0123456789abcdefghijklmnopqrstuvwxyz"[QRandomGenerator::global()->bounded(36)]);
        name = QFile::encodeName(info.absolutePath() + QStringLiteral("/.") + info.fileName() + QLatin1Char('.')
                                 + unique);
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 && replaces)
            ::fchmod(fd, old.st_mode & 07777);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

} // namespace

FileError CopyBatch::write(const QByteArray& bytes, const timespec& modified, const QString& target, bool record)
{
    Copy copy{QFile::encodeName(target), QFile::encodeName(target), true, record, modified, 0};
    // A target that is not there yet is written in place: until the commit no record of it
    // shows the source's time, so a later run makes it again when a crash cut it short.
    int fd = ::open(copy.target.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno == EEXIST) {
        copy.inPlace = false;
        fd = createTemporary(target, copy.written);
    }
    if (fd < 0)
        return errno == ENOSPC || errno == EDQUOT ? writeError(errno, target, QString())
                                                  : FileError::fromErrno(errno, target);
    timespec shown = modified;
    if (copy.inPlace && record)
        shown.tv_sec -= 1;   // the source's time comes with the commit
    const timespec times[2] = {{0, UTIME_OMIT}, shown};
    FileError error = writeAll(fd, bytes, target);
    struct stat st {};
    if (!error.failed() && (::futimens(fd, times) != 0 || ::fstat(fd, &st) != 0))
        error = FileError::fromErrno(errno, target);
    if (::close(fd) != 0 && !error.failed())
        error = writeError(errno, target, QString::fromLocal8Bit(std::strerror(errno)));
    if (error.failed()) {
        ::unlink(copy.written.constData());
        return error;
    }
    copy.device = st.st_dev;
    copies_.push_back(std::move(copy));
    return {};
}

FileError CopyBatch::commit()
{
    // One sync for all: every copy is whole on the disk before any record shows the source's
    // time and before any temporary replaces its target.
    std::set<dev_t> synced;
    for (const Copy& copy : copies_) {
        if (synced.count(copy.device))
            continue;
        const int fd = ::open(copy.written.constData(), O_RDONLY | O_CLOEXEC);
        const bool ok = fd >= 0 && ::syncfs(fd) == 0;
        const int err = errno;
        if (fd >= 0)
            ::close(fd);
        if (!ok)
            return FileError::fromErrno(err, QFile::decodeName(copy.target));
        synced.insert(copy.device);
    }
    for (std::size_t i = 0; i < copies_.size(); ++i) {
        const Copy& copy = copies_[i];
        const timespec times[2] = {{0, UTIME_OMIT}, copy.modified};
        const bool done = copy.inPlace ? !copy.record || ::utimensat(AT_FDCWD, copy.target.constData(), times, 0) == 0
                                       : ::rename(copy.written.constData(), copy.target.constData()) == 0;
        if (!done) {
            FileError error = FileError::fromErrno(errno, QFile::decodeName(copy.target));
            // The copies before it stay; this one and those after it go with the batch.
            copies_.erase(copies_.begin(), copies_.begin() + static_cast<std::ptrdiff_t>(i));
            return error;
        }
    }
    copies_.clear();
    return {};
}

bool fileMissingOrEmpty(const QString& path)
{
    const QFileInfo info(resolvePathNoCase(path));
    return !info.isFile() || info.size() == 0;
}

namespace {

// The name of the file whose temporary `entry` is ("<name>.XXXXXX", with a leading dot when
// `hidden`), or a null string.
QString leftoverOf(const QString& entry, bool hidden)
{
    const qsizetype prefix = hidden ? 1 : 0;
    if (entry.size() <= prefix + 1 + kUnique || (hidden && entry[0] != QLatin1Char('.'))
        || entry[entry.size() - kUnique - 1] != QLatin1Char('.'))
        return {};
    const QStringView unique = QStringView(entry).last(kUnique);
    if (!std::all_of(unique.begin(), unique.end(), [](QChar c) { return c.unicode() < 128 && c.isLetterOrNumber(); }))
        return {};
    return entry.mid(prefix, entry.size() - prefix - kUnique - 1);
}

} // namespace

bool isSaveLeftover(const QString& entry, const QString& fileName)
{
    return leftoverOf(entry, false).compare(fileName, Qt::CaseInsensitive) == 0 && !fileName.isEmpty();
}

namespace {

using FileId = std::pair<dev_t, ino_t>;

// The files that the processes this user may look at hold open.
std::set<FileId> filesHeldOpen()
{
    std::set<FileId> held;
    DIR* processes = ::opendir("/proc");
    if (!processes)
        return held;
    while (const dirent* process = ::readdir(processes)) {
        if (process->d_name[0] < '0' || process->d_name[0] > '9')
            continue;
        const std::string fds = std::string("/proc/") + process->d_name + "/fd";
        DIR* open = ::opendir(fds.c_str());
        if (!open)
            continue;
        while (const dirent* fd = ::readdir(open)) {
            struct stat st {};
            if (fd->d_name[0] != '.' && ::fstatat(::dirfd(open), fd->d_name, &st, 0) == 0)
                held.emplace(st.st_dev, st.st_ino);
        }
        ::closedir(open);
    }
    ::closedir(processes);
    return held;
}

} // namespace

namespace {

void removeLeftovers(const QStringList& files, bool hidden)
{
    // Each folder is listed once, however many of its files are named.
    QHash<QString, QSet<QString>> names;
    for (const QString& file : files) {
        const QFileInfo info(file);
        names[info.absolutePath()].insert(info.fileName().toLower());
    }
    QStringList leftovers;
    for (auto folder = names.cbegin(); folder != names.cend(); ++folder)
        for (const QString& entry : QDir(folder.key()).entryList(QDir::Files | QDir::Hidden))
            if (const QString of = leftoverOf(entry, hidden); !of.isEmpty() && folder->contains(of.toLower()))
                leftovers << folder.key() + QLatin1Char('/') + entry;
    if (leftovers.isEmpty())
        return;
    // A save in progress holds its file open while it writes and then closes it just before
    // the rename: a file written to within the last minute may still be one.
    constexpr time_t kFreshSeconds = 60;
    const time_t now = ::time(nullptr);
    const std::set<FileId> held = filesHeldOpen();
    for (const QString& leftover : leftovers) {
        struct stat st {};
        const QByteArray name = QFile::encodeName(leftover);
        if (::stat(name.constData(), &st) == 0 && st.st_mtime < now - kFreshSeconds
            && !held.count({st.st_dev, st.st_ino}))
            ::unlink(name.constData());
    }
}

} // namespace

void removeSaveLeftovers(const QStringList& files)
{
    removeLeftovers(files, false);
}

void CopyBatch::removeLeftovers(const QStringList& targets)
{
    platform::removeLeftovers(targets, true);
}

FileError makeFolder(const QString& path)
{
    if (folderExists(path) || QDir().mkdir(path))
        return {};
    QString reason = folderRefusal(QFileInfo(path).absolutePath());
    if (reason.isEmpty())
        reason = QStringLiteral("weil dort schon eine Datei dieses Namens liegt");
    return {FileErrorKind::Other, QStringLiteral("Der Ordner %1 kann nicht angelegt werden, %2.").arg(path, reason)};
}

FileError removeFile(const QString& path)
{
    const QString real = resolvePathNoCase(path);
    if (::unlink(QFile::encodeName(real).constData()) != 0)
        return FileError::fromErrno(errno, real);
    return {};
}

FileLock::FileLock(const QString& path) : path_(resolvePathNoCase(path)) {}

FileLock::~FileLock()
{
    release();
}

FileError FileLock::acquire()
{
    if (fd_ >= 0)
        return {};
    const int fd = ::open(QFile::encodeName(path_).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return FileError::fromErrno(errno, path_);
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int err = errno;
        ::close(fd);
        return FileError::fromErrno(err, path_);
    }
    fd_ = fd;
    return {};
}

void FileLock::release()
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

} // namespace platform

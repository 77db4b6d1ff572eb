// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVector>

#include <ctime>
#include <vector>

#include <sys/types.h>

// File services shaped after what the programs expect of their files: Windows-1252 text with
// CR LF lines, names looked up without regard to case, failures reported as a kind.
namespace platform {

enum class FileErrorKind { None, Locked, NotFound, Other };

struct FileError {
    FileErrorKind kind = FileErrorKind::None;
    QString message;

    bool failed() const { return kind != FileErrorKind::None; }
    bool locked() const { return kind == FileErrorKind::Locked; }
    static FileError fromErrno(int err, const QString& path);
};

QString decodeWindows1252(const QByteArray& bytes);
QByteArray encodeWindows1252(const QString& text);
// Valid UTF-8 is taken as UTF-8, anything else as Windows-1252.
QString decodeUtf8OrWindows1252(const QByteArray& bytes);

// Number fields as the programs write them: " 1 ", "-1 "; reading skips blanks and takes the
// leading number, 0 when there is none.
QString formatNumber(qint64 value);
qint64 parseNumber(const QString& field);

// German general date format, whatever the locale: "dd.MM.yyyy HH:mm:ss".
QString germanDateTime(const QDateTime& when);

// The existing entry whose name equals `name` without regard to case, searched component by
// component below `folder`; when nothing matches, folder + "/" + name as given.
QString resolveNoCase(const QString& folder, const QString& name);
// resolveNoCase on the folder part and the last part of a full path.
QString resolvePathNoCase(const QString& path);
bool fileExists(const QString& path);   // a regular file, name looked up without regard to case
bool folderExists(const QString& path);
// One spelling for every spelling of a folder ("X", "X/", "X/./", a link to X): absolute, cleaned,
// with links resolved as far as the folder exists.
QString folderIdentity(const QString& path);

struct TextFile {
    QStringList lines;
    FileError error;
};

// Reads every line (CR LF or LF ends, a trailing CR stripped). A file another program holds
// locked (see FileLock) reads as FileErrorKind::Locked.
TextFile readTextFile(const QString& path, bool utf8WhenValid = false);
// Rewrites the file through a temporary file and rename; each line ends with CR LF. A write
// that cannot complete (a full disk) leaves the old file as it was and says so.
FileError writeTextFile(const QString& path, const QStringList& lines);
// The same for bytes, without asking for the settings lock (its holder writes through this).
FileError saveBytes(const QString& path, const QByteArray& bytes);
// Appends lines to the file (created when missing); lines that cannot all be written are
// taken back, so the file keeps its old bytes.
FileError appendTextLines(const QString& path, const QStringList& lines);

struct NumberFile {
    QVector<qint64> values;
    FileError error;
};
NumberFile readNumberFile(const QString& path);
FileError writeNumberFile(const QString& path, const QVector<qint64>& values);

// Copies through a temporary file and rename; the copy keeps the source's modification time.
// A copy that cannot complete leaves the target as it was (or absent).
FileError copyFileKeepingTime(const QString& source, const QString& target);

// Many copies that keep their sources' modification times, made safe together rather than one
// by one, with one sync of the file system at commit(). The last target of each add() is its
// record: it shows the source's time only once every copy of the batch is whole on the disk,
// so a crash never leaves a record of a copy cut short. A target that exists is replaced
// through a hidden temporary beside it, renamed over it after the sync (an atomic rewrite); one
// that does not is written in place. Copies not committed are removed. Paths are taken as they
// are, without a case-insensitive lookup.
class CopyBatch {
public:
    CopyBatch() = default;
    ~CopyBatch();
    CopyBatch(const CopyBatch&) = delete;
    CopyBatch& operator=(const CopyBatch&) = delete;

    // A copy of `source` at each of `targets`, in this order; when one cannot be written, none
    // of them is added.
    FileError add(const QString& source, const QStringList& targets);
    // Every copy added so far in place, in the order added; the first failure stops it.
    FileError commit();
    // Removes the temporaries that batches for these targets left when a crash cut them short,
    // as removeSaveLeftovers does for rewrites.
    static void removeLeftovers(const QStringList& targets);

private:
    struct Copy {
        QByteArray written;   // the target itself, or the temporary that replaces it
        QByteArray target;
        bool inPlace;
        bool record;
        timespec modified;
        dev_t device;
    };
    FileError write(const QByteArray& bytes, const timespec& modified, const QString& target, bool record);

    std::vector<Copy> copies_;
};

// A settings file that is not there, or is empty (as a full disk left it with older versions):
// either way its values are missing.
bool fileMissingOrEmpty(const QString& path);
// The temporary file that an atomic rewrite of `fileName` makes beside it ("<name>.XXXXXX":
// a dot and six letters or digits), named without regard to case; false for any other name.
bool isSaveLeftover(const QString& entry, const QString& fileName);
// Removes what rewrites of these files that a crash cut short left beside them: their temporary
// files that no running process holds open and none wrote to in the last minute (a program
// saving one right now keeps it). The old content of each file is whole; a start calls this for
// the files it rewrites.
void removeSaveLeftovers(const QStringList& files);

// The folder, made when missing (its parent must be there); a folder that cannot be made says
// why (no write rights, a read-only disk, no parent).
FileError makeFolder(const QString& path);
FileError removeFile(const QString& path);

// An exclusive advisory lock held as long as the object lives: the sign that a settings file
// is being edited. Readers and writers of that file meet it as FileErrorKind::Locked.
class FileLock {
public:
    explicit FileLock(const QString& path);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    FileError acquire();
    void release();
    bool held() const { return fd_ >= 0; }

private:
    QString path_;
    int fd_ = -1;
};

} // namespace platform

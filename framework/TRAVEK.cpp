// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/TRAVEK.h"
#include "framework/Version.h"

#include "platform/files.h"
#include "platform/forms/end.h"
#include "platform/forms/form.h"
#include "platform/processes.h"
#include "platform/services.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

#include <algorithm>

namespace TRAVEK {

QString AppPath()
{
    QString path = platform::services().paths->programFolder();
    if (path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return path;
}

namespace {

QString tempFolder()
{
    const QString folder = platform::services().paths->tempFolder();
    return folder.isEmpty() ? AppPath() : folder;
}

} // namespace

QString TempFileName()
{
    // The process id in the name tells a later start whether the owner is gone.
    const qint64 pid = QCoreApplication::applicationPid();
    QTemporaryFile file(tempFolder() + QStringLiteral("/QLS%1-XXXXXX.tmp").arg(pid));
    file.setAutoRemove(false);
    if (!file.open())
        return {};
    return QFileInfo(file.fileName()).absoluteFilePath();
}

namespace {

bool isAsciiDigit(QChar c)
{
    return c.unicode() < 128 && c.isDigit();
}

bool isNameCharacter(QChar c)
{
    return (c.unicode() < 128 && c.isLetterOrNumber()) || c == QLatin1Char('_');
}

// The owner's process id in a scratch file name "QLS<id>-<six name characters>.tmp"; 0 for any
// other name. Plain string checks: a start should not pay for a regular expression engine.
qint64 scratchFileOwner(const QString& name)
{
    static const QString prefix = QStringLiteral("QLS");
    static const QString suffix = QStringLiteral(".tmp");
    constexpr qsizetype uniqueLength = 6;
    if (!name.startsWith(prefix) || !name.endsWith(suffix))
        return 0;
    const QStringView middle = QStringView(name).mid(prefix.size(), name.size() - prefix.size() - suffix.size());
    const qsizetype dash = middle.lastIndexOf(QLatin1Char('-'));
    const QStringView unique = middle.mid(dash + 1);
    if (dash < 1 || unique.size() != uniqueLength
        || !std::all_of(unique.begin(), unique.end(), isNameCharacter))
        return 0;
    const QStringView id = middle.left(dash);
    if (!std::all_of(id.begin(), id.end(), isAsciiDigit))
        return 0;
    bool ok = false;
    const qint64 owner = id.toLongLong(&ok);
    return ok ? owner : 0;
}

} // namespace

void RemoveOrphanedTempFiles()
{
    const QDir folder(tempFolder());
    constexpr qsizetype kSaveSuffix = 7;   // what an atomic rewrite adds to the scratch file's name
    for (const QString& entry : folder.entryList(QDir::Files)) {
        qint64 owner = scratchFileOwner(entry);
        if (owner == 0 && platform::isSaveLeftover(entry, entry.chopped(qMin(entry.size(), kSaveSuffix))))
            owner = scratchFileOwner(entry.chopped(kSaveSuffix));
        if (owner > 0 && !platform::processAlive(owner))
            platform::removeFile(folder.filePath(entry));
    }
}

QString MakeDataFolder(const QStringList& levels)
{
    QString folder = SHGetFolder::GetFolderPath(SHGetFolder::kAppData, true, false);
    for (const QString& level : levels) {
        folder += QLatin1Char('/') + level;
        if (const platform::FileError error = platform::makeFolder(folder); error.failed()) {
            platform::msgBox(error.message + QStringLiteral("\r\nOhne diesen Ordner kann das Programm weder "
                                                            "seine Einstellungen noch die Protokolle speichern "
                                                            "und wird beendet."));
            platform::End();
        }
    }
    return folder;
}

void KillIfExists(const QString& fileName)
{
    if (!fileName.isEmpty() && QFileInfo(fileName).isFile())
        platform::removeFile(fileName);
}

QString FormatVersion(int major, int minor, int revision)
{
    const QString minorText = minor < 10 ? QStringLiteral("0%1").arg(minor) : QString::number(minor);
    QString revisionText = QString::number(revision);
    revisionText.prepend(revisionText.size() == 1 ? QStringLiteral("000")
                         : revisionText.size() == 2 ? QStringLiteral("00")
                                                    : QStringLiteral("0"));
    return QStringLiteral("%1.%2.%3").arg(major).arg(minorText, revisionText);
}

void ShowInfo()
{
    const QString text = QStringLiteral("QL Tavoro Version ")
                         + FormatVersion(TAVORO_VERSION_MAJOR, TAVORO_VERSION_MINOR, TAVORO_VERSION_PATCH)
                         + QStringLiteral("\r\n") + QStringLiteral(TAVORO_LEGAL_NOTICE);
    platform::msgBox(text, platform::MessageButtons::Ok, platform::MessageIcon::Information,
                     QStringLiteral("Info über ") + QStringLiteral(TAVORO_PRODUCT_NAME));
}

bool RunAndWait(const QString& commandLine)
{
    return platform::services().processes->runAndWait(commandLine);
}

bool FormLoaded(const QString& formName)
{
    return platform::formLoaded(formName);
}

} // namespace TRAVEK

namespace SHGetFolder {

QString GetFolderPath(int folderId, bool create, bool verify)
{
    if (folderId != kAppData)
        return {};
    QString path = platform::services().paths->appDataFolder();
    if (create)
        QDir().mkpath(path);
    if (verify && !QFileInfo(path).isDir())
        return {};
    return path;
}

} // namespace SHGetFolder

namespace WinXPTest {

bool IsWinNT6()
{
    return true;
}

} // namespace WinXPTest

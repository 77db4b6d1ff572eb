#include "TRAVEK.h"
#include "Version.h"

#include "platform/files.h"
#include "platform/forms/form.h"
#include "platform/processes.h"
#include "platform/services.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryFile>

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

void RemoveOrphanedTempFiles()
{
    static const QRegularExpression name(QStringLiteral("^QLS(\\d+)-\\w{6}\\.tmp$"));
    const QDir folder(tempFolder());
    for (const QString& entry : folder.entryList({QStringLiteral("QLS*.tmp")}, QDir::Files)) {
        const QRegularExpressionMatch match = name.match(entry);
        if (match.hasMatch() && !platform::processAlive(match.captured(1).toLongLong()))
            platform::removeFile(folder.filePath(entry));
    }
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
    const QString path = platform::services().paths->appDataFolder();
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

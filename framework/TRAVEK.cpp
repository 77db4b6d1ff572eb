#include "TRAVEK.h"
#include "Version.h"

#include "platform/files.h"
#include "platform/forms/form.h"
#include "platform/services.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

namespace TRAVEK {

QString AppPath()
{
    QString path = platform::services().paths->programFolder();
    if (path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return path;
}

QString TempFileName()
{
    QString folder = platform::services().paths->tempFolder();
    if (folder.isEmpty())
        folder = AppPath();
    QTemporaryFile file(folder + QStringLiteral("/QLSXXXXXX.tmp"));
    file.setAutoRemove(false);
    if (!file.open())
        return {};
    return QFileInfo(file.fileName()).absoluteFilePath();
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

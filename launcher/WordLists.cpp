#include "WordLists.h"

#include <QDir>
#include <QFileInfo>

namespace {

platform::FileError makeFolder(const QString& path)
{
    if (platform::folderExists(path) || QDir().mkpath(path))
        return {};
    return {platform::FileErrorKind::Other,
            QStringLiteral("Der Ordner %1 konnte nicht angelegt werden.").arg(path)};
}

// Times compared in whole seconds: file systems keep them at different precisions.
bool sameTime(const QString& a, const QString& b)
{
    return QFileInfo(a).lastModified().toSecsSinceEpoch()
           == QFileInfo(b).lastModified().toSecsSinceEpoch();
}

platform::FileError receive(const QString& central, const QString& user, const QString& server)
{
    if (platform::FileError e = platform::copyFileKeepingTime(central, user); e.failed())
        return e;
    return platform::copyFileKeepingTime(central, server);
}

} // namespace

platform::FileError SyncWordLists(const QString& appPath, const QString& dataDir)
{
    const QString centralFolder = platform::resolveNoCase(appPath, QStringLiteral("Listen"));
    if (!platform::folderExists(centralFolder))
        return {};
    const QString userFolder = dataDir + QStringLiteral("/Listen");
    const QString serverFolder = userFolder + QStringLiteral("/Server");
    for (const QString& folder : {userFolder, serverFolder})
        if (platform::FileError e = makeFolder(folder); e.failed())
            return e;
    const QStringList files = QDir(centralFolder).entryList(QDir::Files, QDir::Name);
    for (const QString& name : files) {
        if (name.toUpper() == QLatin1String("NEU"))
            continue;
        const QString central = centralFolder + QLatin1Char('/') + name;
        const QString server = platform::resolveNoCase(serverFolder, name);
        if (platform::fileExists(server) && sameTime(server, central))
            continue;
        if (platform::FileError e = receive(central, platform::resolveNoCase(userFolder, name), server);
            e.failed())
            return e;
    }
    return {};
}

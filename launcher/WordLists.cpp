// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "launcher/WordLists.h"

#include <QDir>
#include <QHash>
#include <QFileInfo>

namespace launcher {

namespace {

// Times compared in whole seconds: file systems keep them at different precisions.
bool sameTime(const QString& a, const QString& b)
{
    return QFileInfo(a).lastModified().toSecsSinceEpoch()
           == QFileInfo(b).lastModified().toSecsSinceEpoch();
}

// A folder's entries, listed once, found by their name in any case.
class FolderNames {
public:
    explicit FolderNames(QString folder) : folder_(std::move(folder))
    {
        for (const QString& name : QDir(folder_).entryList(QDir::AllEntries | QDir::Hidden | QDir::System
                                                           | QDir::NoDotAndDotDot))
            add(name);
    }
    // The entry's path, or the path of a new entry of this name when there is none.
    QString path(const QString& name) const
    {
        return folder_ + QLatin1Char('/') + names_.value(name.toLower(), name);
    }
    void add(const QString& name) { names_.insert(name.toLower(), name); }

private:
    QString folder_;
    QHash<QString, QString> names_;
};

} // namespace

WordListSync::~WordListSync()
{
    // A program that ends meanwhile receives no more; what is not yet safe goes with the batch,
    // and the next start receives it.
    stopping_ = true;
    finish();
}

void WordListSync::start(const QString& appPath, const QString& dataDir, QObject* context, std::function<void()> done)
{
    // An earlier run's failure stays to be reported.
    if (finish().failed())
        return;
    // Off the first window's way: the sync waits for the disk, seconds on a hard disk after a
    // first start with many lists.
    run_ = std::thread([this, appPath, dataDir, context, done = std::move(done)] {
        result_ = write(appPath, dataDir);
        if (stopping_)
            return;
        const platform::FileError committed = copies_.commit();
        if (!result_.failed())
            result_ = committed;
        if (context && done)
            QMetaObject::invokeMethod(context, done, Qt::QueuedConnection);
    });
}

platform::FileError WordListSync::finish()
{
    if (run_.joinable())
        run_.join();
    return result_;
}

platform::FileError WordListSync::write(const QString& appPath, const QString& dataDir)
{
    const QString centralFolder = platform::resolveNoCase(appPath, QStringLiteral("Listen"));
    if (!platform::folderExists(centralFolder))
        return {};
    const QString userFolder = dataDir + QStringLiteral("/Listen");
    const QString serverFolder = userFolder + QStringLiteral("/Server");
    for (const QString& folder : {userFolder, serverFolder})
        if (platform::FileError e = platform::makeFolder(folder); e.failed())
            return e;
    // Each folder is listed once; names are then looked up in the listings.
    FolderNames user(userFolder);
    FolderNames server(serverFolder);
    const QStringList files = QDir(centralFolder).entryList(QDir::Files, QDir::Name);
    QStringList targets;
    for (const QString& name : files)
        targets << user.path(name) << server.path(name);
    platform::CopyBatch::removeLeftovers(targets);
    // The user's copy goes into place before the Server copy that records it as received.
    for (const QString& name : files) {
        if (stopping_)
            return {};
        if (name.toUpper() == QLatin1String("NEU"))
            continue;
        const QString central = centralFolder + QLatin1Char('/') + name;
        const QString received = server.path(name);
        if (QFileInfo(received).isFile() && sameTime(received, central))
            continue;
        if (platform::FileError e = copies_.add(central, {user.path(name), received}); e.failed())
            return e;
        user.add(name);
        server.add(name);
    }
    return {};
}

} // namespace launcher

// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/fixture.h"
#include "tests/support/full_disk.h"
#include "tests/support/read_only_folder.h"

#include "platform/files.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFile>

#include <functional>

using namespace platform;
using testing_support::SuiteTest;

class FilesTest : public SuiteTest {};

namespace {

FileError copyInBatch(const QString& source, const QString& target)
{
    CopyBatch batch;
    const FileError error = batch.add(source, {target});
    return error.failed() ? error : batch.commit();
}

void setModified(const QString& path, const QDateTime& time)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.setFileTime(time, QFileDevice::FileModificationTime));
}

QDateTime modified(const QString& path)
{
    return QFileInfo(path).lastModified();
}

QStringList everyEntry(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

} // namespace

TEST_F(FilesTest, TextIsWrittenAsWindows1252WithCrLf)
{
    const QString path = dataDir() + "/t.txt";
    QDir().mkpath(dataDir());
    ASSERT_FALSE(writeTextFile(path, {QStringLiteral("Wähle"), QStringLiteral("€")}).failed());
    EXPECT_EQ(readBytes(path), QByteArray("\x57\xE4\x68\x6C\x65\r\n\x80\r\n"));
    EXPECT_EQ(readTextFile(path).lines, QStringList({QStringLiteral("Wähle"), QStringLiteral("€")}));
}

TEST_F(FilesTest, ReadersAcceptLfOnlyAndUtf8WordLists)
{
    const QString path = dataDir() + "/l.txt";
    writeBytes(path, "Ma-ma\nB\xC3\xA4r\r\n");
    EXPECT_EQ(readTextFile(path, true).lines, QStringList({"Ma-ma", QStringLiteral("Bär")}));
    writeBytes(path, "B\xE4r\n");
    EXPECT_EQ(readTextFile(path, true).lines, QStringList({QStringLiteral("Bär")}));
}

TEST_F(FilesTest, AppendAddsLinesAndCreatesTheFile)
{
    const QString path = dataDir() + "/a.txt";
    QDir().mkpath(dataDir());
    ASSERT_FALSE(appendTextLines(path, {"eins"}).failed());
    ASSERT_FALSE(appendTextLines(path, {"zwei", "drei"}).failed());
    EXPECT_EQ(readBytes(path), QByteArray("eins\r\nzwei\r\ndrei\r\n"));
}

TEST(NumberLines, FormatAndParse)
{
    EXPECT_EQ(formatNumber(1), " 1 ");
    EXPECT_EQ(formatNumber(-1), "-1 ");
    EXPECT_EQ(formatNumber(0), " 0 ");
    EXPECT_EQ(formatNumber(94), " 94 ");
    const std::pair<const char*, qint64> cases[] = {
        {" 1 ", 1}, {"-1 ", -1}, {"  42", 42}, {"7abc", 7}, {"abc", 0}, {"", 0}, {" -0 ", 0}};
    for (const auto& [text, value] : cases)
        EXPECT_EQ(parseNumber(QString::fromLatin1(text)), value) << text;
}

TEST(Dates, GermanFormatWhateverTheLocale)
{
    EXPECT_EQ(germanDateTime(QDateTime(QDate(2026, 3, 4), QTime(7, 8, 9))), "04.03.2026 07:08:09");
}

TEST_F(FilesTest, NamesAreFoundWithoutRegardToCase)
{
    writeBytes(programDir() + "/EigeneBilder/Tastomat/Katze.BMP", "x");
    const QString found = resolveNoCase(programDir(), "eigenebilder/TASTOMAT/katze.bmp");
    EXPECT_EQ(found, programDir() + "/EigeneBilder/Tastomat/Katze.BMP");
    EXPECT_TRUE(fileExists(programDir() + "/EIGENEBILDER/tastomat/KATZE.bmp"));
    EXPECT_FALSE(fileExists(programDir() + "/EigeneBilder/Tastomat/Hund.bmp"));
    EXPECT_EQ(resolveNoCase(programDir(), "neu.txt"), programDir() + "/neu.txt");
}

TEST_F(FilesTest, CopyKeepsTheModificationTime)
{
    const QString source = programDir() + "/options4.ini";
    writeFile(source, {" 1 "});
    const QDateTime old(QDate(2020, 1, 2), QTime(3, 4, 5));
    QFile f(source);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.setFileTime(old, QFileDevice::FileModificationTime));
    f.close();
    QDir().mkpath(dataDir());
    ASSERT_FALSE(copyFileKeepingTime(source, dataDir() + "/options4.ini").failed());
    EXPECT_EQ(QFileInfo(dataDir() + "/options4.ini").lastModified(), old);
    EXPECT_EQ(readBytes(dataDir() + "/options4.ini"), " 1 \r\n");
}

TEST_F(FilesTest, ErrorsComeBackAsKinds)
{
    EXPECT_EQ(readTextFile(dataDir() + "/fehlt.ini").error.kind, FileErrorKind::NotFound);
    EXPECT_EQ(writeTextFile(dataDir() + "/kein/ordner.ini", {"x"}).kind, FileErrorKind::NotFound);

    const QString path = dataDir() + "/gesperrt.ini";
    writeFile(path, {" 1 "});
    FileLock lock(path);
    ASSERT_FALSE(lock.acquire().failed());
    EXPECT_TRUE(readTextFile(path).error.locked());
    EXPECT_TRUE(writeTextFile(path, {" 2 "}).locked());
    lock.release();
    EXPECT_FALSE(writeTextFile(path, {" 2 "}).failed());
}

// A batch of copies, each to a target that is new and to a record: before the commit no record
// shows its source's time and no file that existed has changed; after it, every target is its
// source with the source's time; a batch dropped without a commit leaves the folder as it was.
TEST_F(FilesTest, ACopyBatchChangesNothingThatCountsBeforeItsCommit)
{
    const QString folder = dataDir() + "/Listen";
    const QString sources = programDir() + "/Listen";
    const QDateTime monday(QDate(2026, 9, 7), QTime(8, 15, 30, 700));
    const QDateTime tuesday(QDate(2026, 9, 8), QTime(10, 0, 0));
    writeBytes(sources + "/Tiere", "Hund\r\nKatze\r\n");
    writeBytes(sources + "/Obst", "Apfel\r\n");
    setModified(sources + "/Tiere", monday);
    setModified(sources + "/Obst", tuesday);
    writeBytes(folder + "/Obst", "Birne\r\n");   // the user's copy and its record, older
    writeBytes(folder + "/Obst.record", "Birne\r\n");
    QFile::setPermissions(folder + "/Obst", QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    const QFile::Permissions mode = QFile::permissions(folder + "/Obst");
    const QDateTime before = modified(folder + "/Obst.record");
    for (const bool commit : {false, true}) {
        SCOPED_TRACE(commit ? "committed" : "dropped");
        {
            CopyBatch batch;
            ASSERT_FALSE(batch.add(sources + "/Tiere", {folder + "/Tiere", folder + "/Tiere.record"}).failed());
            ASSERT_FALSE(batch.add(sources + "/Obst", {folder + "/Obst", folder + "/Obst.record"}).failed());
            EXPECT_NE(modified(folder + "/Tiere.record").toSecsSinceEpoch(), monday.toSecsSinceEpoch());
            EXPECT_EQ(readBytes(folder + "/Obst"), "Birne\r\n");
            EXPECT_EQ(modified(folder + "/Obst.record"), before);
            EXPECT_EQ(QDir(folder).entryList(QDir::Files, QDir::Name),
                      QStringList({"Obst", "Obst.record", "Tiere", "Tiere.record"}));
            if (commit) {
                ASSERT_FALSE(batch.commit().failed());
            }
        }
        if (!commit) {
            EXPECT_EQ(everyEntry(folder), QStringList({"Obst", "Obst.record"}));
            EXPECT_EQ(readBytes(folder + "/Obst"), "Birne\r\n");
            continue;
        }
        EXPECT_EQ(everyEntry(folder), QStringList({"Obst", "Obst.record", "Tiere", "Tiere.record"}));
        for (const QString& name : {QString("Tiere"), QString("Obst")}) {
            for (const QString& copy : {folder + "/" + name, folder + "/" + name + ".record"}) {
                EXPECT_EQ(readBytes(copy), readBytes(sources + "/" + name)) << copy.toStdString();
                EXPECT_EQ(modified(copy), modified(sources + "/" + name)) << copy.toStdString();
            }
        }
        EXPECT_EQ(QFile::permissions(folder + "/Obst"), mode);
    }
}

// On a full file system every write fails as a whole: the old bytes stay, no new file and no
// temporary file is left, and the message says why in German.
TEST_F(FilesTest, OnAFullDiskAWriteLeavesTheOldFileAndSaysSo)
{
    const QString folder = root.path() + "/voll";
    QDir().mkpath(folder);
    testing_support::FullDisk disk(folder);
    if (!disk.mounted())
        GTEST_SKIP() << "mounting a small tmpfs is not permitted here";
    const QString old = folder + "/alt.ini";
    const QString source = root.path() + "/quelle.ini";
    writeBytes(old, "-1 \r\n 0 \r\n");
    writeBytes(source, QByteArray(5000, 'q'));
    disk.fill();
    const struct {
        const char* what;
        QString path;
        std::function<FileError(const QString&)> write;
    } cases[] = {
        {"rewrite", old, [](const QString& p) { return writeTextFile(p, {"1", "2"}); }},
        {"new file", folder + "/neu.ini", [](const QString& p) { return writeTextFile(p, {"1"}); }},
        {"copy over", old, [&](const QString& p) { return copyFileKeepingTime(source, p); }},
        {"first copy", folder + "/neu.bak", [&](const QString& p) { return copyFileKeepingTime(source, p); }},
        {"append", old, [](const QString& p) { return appendTextLines(p, {"Lena", QString(5000, QLatin1Char('L'))}); }},
        {"bytes", old, [](const QString& p) { return saveBytes(p, "x"); }},
        {"batch copy over", old, [&](const QString& p) { return copyInBatch(source, p); }},
        {"batch first copy", folder + "/neu.txt", [&](const QString& p) { return copyInBatch(source, p); }},
    };
    for (const auto& c : cases) {
        const bool existed = QFileInfo::exists(c.path);
        const QByteArray before = readBytes(c.path);
        const FileError error = c.write(c.path);
        EXPECT_TRUE(error.failed()) << c.what;
        EXPECT_TRUE(error.message.contains("weil der Datenträger voll ist")) << c.what;
        EXPECT_EQ(QFileInfo::exists(c.path), existed) << c.what;
        EXPECT_EQ(readBytes(c.path), before) << c.what;
    }
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList({".filler", "alt.ini"}));
}

// A folder that takes no writes (a read-only disk, a locked-down profile): each write says which
// file and why, in German, leaves the old bytes, and counts as the refusal the settings readers
// retry; a file or folder whose folder is missing says that.
TEST_F(FilesTest, AReadOnlyFolderRefusesEveryWriteAndSaysWhy)
{
    const QString folder = root.path() + "/gesperrt";
    const QString old = folder + "/alt.ini";
    const QString source = root.path() + "/quelle.ini";
    writeBytes(old, "-1 \r\n");
    writeBytes(source, "q");
    testing_support::ReadOnlyFolder readOnly(folder);
    if (!readOnly.mounted())
        GTEST_SKIP() << "binding a folder read-only is not permitted here";
    const QString why = "weil der Ordner " + folder + " schreibgeschützt ist.";
    const struct {
        const char* what;
        QString path;
        std::function<FileError(const QString&)> write;
    } cases[] = {
        {"rewrite", old, [](const QString& p) { return writeTextFile(p, {"1"}); }},
        {"new file", folder + "/neu.ini", [](const QString& p) { return writeTextFile(p, {"1"}); }},
        {"copy over", old, [&](const QString& p) { return copyFileKeepingTime(source, p); }},
        {"append", old, [](const QString& p) { return appendTextLines(p, {"Lena"}); }},
        {"new log", folder + "/Lena.txt", [](const QString& p) { return appendTextLines(p, {}); }},
    };
    for (const auto& c : cases) {
        const bool existed = QFileInfo::exists(c.path);
        const QByteArray before = readBytes(c.path);
        const FileError error = c.write(c.path);
        EXPECT_TRUE(error.locked()) << c.what;
        EXPECT_EQ(error.message, "Die Datei " + c.path + " kann nicht gespeichert werden, " + why) << c.what;
        EXPECT_EQ(QFileInfo::exists(c.path), existed) << c.what;
        EXPECT_EQ(readBytes(c.path), before) << c.what;
    }
    EXPECT_EQ(makeFolder(folder + "/Protokoll_2").message,
              "Der Ordner " + folder + "/Protokoll_2 kann nicht angelegt werden, " + why);
    EXPECT_FALSE(makeFolder(folder).failed());

    const QString missing = root.path() + "/fehlt";
    const FileError noFolder = appendTextLines(missing + "/Lena.txt", {});
    EXPECT_EQ(noFolder.kind, FileErrorKind::NotFound);
    EXPECT_EQ(noFolder.message, "Die Datei " + missing + "/Lena.txt kann nicht gespeichert werden, weil es den Ordner "
                                    + missing + " nicht gibt.");
    EXPECT_EQ(makeFolder(missing + "/Protokoll_2").message, "Der Ordner " + missing
                                                                + "/Protokoll_2 kann nicht angelegt werden, weil es den Ordner "
                                                                + missing + " nicht gibt.");
}

// What an atomic rewrite cut short by a crash leaves: "<file>.XXXXXX" beside the file. Only those
// of the files named go, and only when no process holds them and none wrote to them lately.
TEST_F(FilesTest, SaveLeftoversOfTheNamedFilesGoUnlessASaveMayStillBeWritingThem)
{
    const QString folder = root.path() + "/daten";
    const QDateTime yesterday = QDateTime::currentDateTime().addDays(-1);
    const struct {
        const char* name;
        bool old;
        bool kept;
    } cases[] = {{"options4.ini", true, true},         {"options4.ini.AbC123", true, false},
                 {"OPTIONS4.INI.xyz789", true, false}, {"options4.ini.AbC12", true, true},
                 {"options4.ini.AbC12!", true, true},  {"options4.ini.AbC1234", true, true},
                 {"Namen.ini.AbC123", true, true},     {"options4.ini.Fresh1", false, true},
                 {"options4.ini.Held12", true, true}};
    for (const auto& c : cases) {
        QFile file(folder + "/" + c.name);
        ASSERT_TRUE(QDir().mkpath(folder) && file.open(QIODevice::WriteOnly));
        file.write(" 1 \r\n");
        file.flush();
        if (c.old) {
            ASSERT_TRUE(file.setFileTime(yesterday, QFileDevice::FileModificationTime));
        }
    }
    QFile held(folder + "/options4.ini.Held12");
    ASSERT_TRUE(held.open(QIODevice::ReadOnly));
    removeSaveLeftovers({folder + "/options4.ini", folder + "/fehlt/Namen.ini"});
    for (const auto& c : cases)
        EXPECT_EQ(QFileInfo::exists(folder + "/" + c.name), c.kept) << c.name;
    held.close();
    removeSaveLeftovers({folder + "/options4.ini"});
    EXPECT_FALSE(QFileInfo::exists(held.fileName()));
}

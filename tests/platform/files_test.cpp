#include "fixture.h"

#include "platform/files.h"

#include <QFileInfo>
#include <QFile>

using namespace platform;
using testing_support::SuiteTest;

class FilesTest : public SuiteTest {};

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

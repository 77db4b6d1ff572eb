// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/common/SettingsNumberFile.h"

#include "tests/support/fixture.h"

#include "platform/files.h"
#include "platform/forms/end.h"

#include <QProcess>

namespace {

const char* const kTypewriterLocked =
    "Ich konnte die Programmeinstellungen nicht laden. Eventuell werden diese momentan geändert. "
    "Versuchen Sie, das Programm zu einem späteren Zeipunkt noch einmal zu starten.";
const char* const kFreeWritingLocked =
    "Ich konnte die Programmeinstellungen nicht laden. Eventuell werden diese momentan geändert. "
    "Versuchen Sie, das Programm zu einem späteren Zeitpunkt noch einmal zu starten.";

// The two programs' files: the typewriter's help mode and the free writing's print button.
struct Case {
    const char* name;
    int defaultValue;
    const char* lockedMessage;
    int other;   // a value other than the default
};
const Case kCases[] = {{"options2.ini", 1, kTypewriterLocked, 2}, {"options3.ini", 0, kFreeWritingLocked, 1}};

class SettingsNumberFileTest : public testing_support::SuiteTest {
protected:
    static SettingsNumberFile settings(const Case& c)
    {
        return {QString::fromUtf8(c.name), c.defaultValue, QString::fromUtf8(c.lockedMessage)};
    }
    QString file(const Case& c) const { return appDataDir() + "/" + c.name; }
};

TEST_F(SettingsNumberFileTest, MissingIsCreatedWithTheDefaultAndSavedAsANumberLine)
{
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(settings(c).read(appDataDir()), c.defaultValue);
        EXPECT_EQ(readBytes(file(c)), platform::formatNumber(c.defaultValue).toLatin1() + "\r\n");
        settings(c).save(appDataDir(), c.other);
        EXPECT_EQ(readBytes(file(c)), platform::formatNumber(c.other).toLatin1() + "\r\n");
        EXPECT_EQ(settings(c).read(appDataDir()), c.other);
    }
    EXPECT_TRUE(messages->shown.empty());
}

TEST_F(SettingsNumberFileTest, EmptyOrNonNumericFileReadsAsTheDefault)
{
    for (const Case& c : kCases)
        for (const QByteArray& bytes : {QByteArray(), QByteArray("abc\r\n 2 \r\n"), QByteArray("\r\n"),
                                        QByteArray(" -\r\n"), QByteArray("+ 3\r\n")}) {
            writeBytes(file(c), bytes);
            EXPECT_EQ(settings(c).read(appDataDir()), c.defaultValue) << c.name << bytes.toStdString();
        }
    EXPECT_FALSE(platform::programEnded());
    EXPECT_TRUE(messages->shown.empty());
}

TEST_F(SettingsNumberFileTest, LockedAtSavingIsRetriedThenLeftUnsaved)
{
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        clock->sleeps.clear();
        messages->shown.clear();
        writeBytes(file(c), " 5 \r\n");
        platform::FileLock lock(file(c));
        ASSERT_FALSE(lock.acquire().failed());
        settings(c).save(appDataDir(), c.other);
        EXPECT_EQ(clock->sleeps, (std::vector<int>{500, 1000, 1500}));
        EXPECT_EQ(messages->texts(), QStringList{"Ich konnte die Änderung nicht speichern!"});
        lock.release();
        EXPECT_EQ(readBytes(file(c)), QByteArray(" 5 \r\n"));
    }
}

TEST_F(SettingsNumberFileTest, LockedByAnotherProgramAtStartEndsWithTheFilesMessage)
{
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        platform::resetProgramEnded();
        clock->sleeps.clear();
        messages->shown.clear();
        writeBytes(file(c), " 5 \r\n");
        QProcess holder;
        holder.start(QStringLiteral(LOCKHOLDER), {file(c)});
        ASSERT_TRUE(holder.waitForReadyRead(10000));
        EXPECT_THROW(settings(c).read(appDataDir()), platform::ProgramEnded);
        EXPECT_EQ(clock->sleeps, (std::vector<int>{500, 1000, 1500}));
        EXPECT_EQ(messages->texts(), QStringList{QString::fromUtf8(c.lockedMessage)});
        holder.closeWriteChannel();
        holder.waitForFinished();
    }
}

} // namespace

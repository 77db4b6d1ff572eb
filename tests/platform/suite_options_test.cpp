// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/fixture.h"

#include "framework/SuiteOptions.h"

#include "platform/forms/end.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>

using testing_support::SuiteTest;

namespace {

const QStringList kCentral = {"-1 ", " 0 ", "-1 ", " 0 ", " 0 ", "-1 ", " 0 ", " 1 ", " 0 ", " 0 ", " 1 "};

class SuiteOptionsTest : public SuiteTest {
protected:
    SuiteOptionsTest() { QDir().mkpath(dataDir()); }

    QString user() const { return dataDir() + "/options4.ini"; }
    QString backup() const { return dataDir() + "/options4.bak"; }
    QString central() const { return programDir() + "/options4.ini"; }

    void writeCentral(const QStringList& lines, const QDateTime& modified)
    {
        writeFile(central(), lines);
        QFile f(central());
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(modified, QFileDevice::FileModificationTime));
    }

    SuiteOptions load(OptionsReader reader = OptionsReader::Program)
    {
        SuiteOptions options;
        platform::runHandler([&] { LoadSuiteOptions(options, dataDir(), reader); });
        return options;
    }

    // Another program holding the lock, as the options dialog does while it is shown.
    void startLockHolder(QProcess& holder)
    {
        holder.start(QStringLiteral(LOCKHOLDER), {user()});
        ASSERT_TRUE(holder.waitForReadyRead(5000));
        ASSERT_EQ(holder.readLine().trimmed(), "locked");
    }

    const QDateTime centralTime{QDate(2025, 9, 1), QTime(8, 0, 0)};
};

} // namespace

TEST_F(SuiteOptionsTest, FirstStartCopiesTheCentralFileAndItsBackup)
{
    writeCentral(kCentral, centralTime);
    const SuiteOptions o = load();
    for (const QString& copy : {user(), backup()}) {
        EXPECT_EQ(readBytes(copy), readBytes(central()));
        EXPECT_EQ(QFileInfo(copy).lastModified(), centralTime);
    }
    EXPECT_EQ(o.HGrund, -1);
    EXPECT_EQ(o.TVis, -1);
    EXPECT_EQ(o.Proto, -1);
    EXPECT_EQ(o.optEigeneBilder, 1);
    EXPECT_EQ(o.ProtSave, 1);
}

TEST_F(SuiteOptionsTest, EveryOptionOnIsWrittenAsElevenNumberLines)
{
    const SuiteOptions on{-1, -1, -1, -1, -1, -1, -1, 1, 1, 1, 1};
    ASSERT_FALSE(writeSuiteOptions(user(), on).failed());
    EXPECT_EQ(readBytes(user()), QByteArray("-1 \r\n").repeated(7) + QByteArray(" 1 \r\n").repeated(4));
    EXPECT_EQ(load(), on);
}

TEST_F(SuiteOptionsTest, AShortOrDamagedFileNeverCrashes)
{
    writeCentral(kCentral, centralTime);
    writeFile(user(), {"-1 ", "kaputt", "-1 ", " 0 ", " 0 ", "-1 ", " 0 ", " 1 ", " 0 ", " 1 "});
    SuiteOptions o;
    o.ProtSave = 1;
    o.Opt_AnlautTastomat = 7;
    platform::runHandler([&] { LoadSuiteOptions(o, dataDir(), OptionsReader::Program); });
    EXPECT_EQ(o.HGrundStart, 0);
    EXPECT_EQ(o.Opt_AnlautTastomat, 1);
    EXPECT_EQ(o.ProtSave, 0);

    writeFile(user(), {" 1 ", " 0 "});
    o = SuiteOptions{};
    o.Proto = -1;
    platform::runHandler([&] { LoadSuiteOptions(o, dataDir(), OptionsReader::Program); });
    EXPECT_EQ(o.HGrund, 1);
    EXPECT_EQ(o.Proto, -1);
    EXPECT_FALSE(platform::programEnded());
}

TEST_F(SuiteOptionsTest, OnlyTheLauncherRefreshesFromAChangedCentralFile)
{
    writeCentral(kCentral, centralTime);
    load();
    writeFile(user(), QStringList(kCentral).replaceInStrings("-1 ", " 0 "));
    QStringList changed = kCentral;
    changed[4] = "-1 ";
    writeCentral(changed, centralTime.addDays(1));

    EXPECT_EQ(load(OptionsReader::Program).HGrund, 0);
    const SuiteOptions o = load(OptionsReader::Launcher);
    EXPECT_EQ(o.Buchstaben, -1);
    EXPECT_EQ(o.HGrund, -1);
    EXPECT_EQ(readBytes(backup()), readBytes(central()));
    EXPECT_EQ(QFileInfo(user()).lastModified(), centralTime.addDays(1));
}

TEST_F(SuiteOptionsTest, UnchangedCentralFileKeepsTheUsersOwnSettings)
{
    writeCentral(kCentral, centralTime);
    load();
    writeFile(user(), QStringList(kCentral).replaceInStrings("-1 ", " 0 "));
    EXPECT_EQ(load(OptionsReader::Launcher).HGrund, 0);
}

TEST_F(SuiteOptionsTest, AMissingBackupIsRecreatedWithoutReplacingTheUsersFile)
{
    writeCentral(kCentral, centralTime);
    writeFile(user(), QStringList(kCentral).replaceInStrings("-1 ", " 0 "));
    const SuiteOptions o = load(OptionsReader::Launcher);
    EXPECT_FALSE(platform::programEnded());
    EXPECT_EQ(o.HGrund, 0);
    EXPECT_EQ(readBytes(backup()), readBytes(central()));
}

TEST_F(SuiteOptionsTest, NoFileAnywhereShowsTheErrorAndEnds)
{
    load();
    EXPECT_TRUE(platform::programEnded());
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_TRUE(messages->shown[0].text.startsWith("Datei nicht gefunden"));
    EXPECT_TRUE(clock->sleeps.empty());
}

TEST_F(SuiteOptionsTest, ALockThatGoesAwayIsWaitedFor)
{
    writeCentral(kCentral, centralTime);
    load();
    QProcess holder;
    startLockHolder(holder);
    clock->onSleep = [&](int ms) {
        if (ms == 1000) {
            holder.closeWriteChannel();
            holder.waitForFinished(5000);
        }
    };
    const SuiteOptions o = load();
    EXPECT_EQ(clock->sleeps, (std::vector<int>{500, 1000}));
    EXPECT_EQ(o.HGrund, -1);
    EXPECT_TRUE(messages->shown.empty());
    EXPECT_FALSE(platform::programEnded());
}

TEST_F(SuiteOptionsTest, ALockThatStaysEndsTheProgramWithTheMessage)
{
    writeCentral(kCentral, centralTime);
    load();
    QProcess holder;
    startLockHolder(holder);
    load();
    holder.closeWriteChannel();
    holder.waitForFinished(5000);
    EXPECT_EQ(clock->sleeps, (std::vector<int>{500, 1000, 1500}));
    EXPECT_EQ(messages->texts(),
              QStringList{"Ich konnte die Programmeinstellungen nicht laden. Eventuell werden diese momentan "
                          "geändert. Versuchen Sie, das Programm zu einem späteren Zeipunkt noch einmal zu "
                          "starten."});
    EXPECT_TRUE(platform::programEnded());
}

// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/fixture.h"

#include "platform/processes.h"
#include "platform/real_services.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

using namespace platform;
using testing_support::SuiteTest;

TEST(CommandLines, SplitIntoProgramAndArgumentString)
{
    const struct {
        const char* line;
        const char* program;
        const char* arguments;
    } cases[] = {
        {"tastomat.exe Q03A", "tastomat.exe", "Q03A"},
        {"/x/My Suite/startomo.exe  /n=\"Anna B\"", "/x/My Suite/startomo.exe", " /n=\"Anna B\""},
        {"/x/suite/kickomo.exe 2 /n=\"Tom\"", "/x/suite/kickomo.exe", "2 /n=\"Tom\""},
        {"\"/x/a b/rateflor.exe\" Q99A", "/x/a b/rateflor.exe", "Q99A"},
        {"Pensumo.EXE", "Pensumo.EXE", ""},
        {"hh.exe -mapid 2 \"/x/Ratgebix.chm\"", "hh.exe", "-mapid 2 \"/x/Ratgebix.chm\""},
        {"xdg-open datei", "xdg-open", "datei"},
    };
    for (const auto& c : cases) {
        const CommandLine split = splitCommandLine(QString::fromUtf8(c.line));
        EXPECT_EQ(split.program, QString::fromUtf8(c.program)) << c.line;
        EXPECT_EQ(split.arguments, QString::fromUtf8(c.arguments)) << c.line;
    }
}

class RealProcessesTest : public SuiteTest {
protected:
    // A stand-in that writes its argument count, its first argument and its folder to a file,
    // which appears once it is complete.
    void addRecorder(const QString& name)
    {
        const QString path = programDir() + "/" + name;
        writeBytes(path, "#!/bin/sh\nprintf '%s\\n%s\\n%s\\n' \"$#\" \"$1\" \"$(pwd)\" > \"$0.part\"\n"
                         "mv \"$0.part\" \"$0.out\"\n");
        QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner);
    }
    // The child inherits the caller's current folder, which here is not the program folder.
    QString callerFolder()
    {
        const QString folder = root.path() + "/caller";
        QDir().mkpath(folder);
        QDir::setCurrent(folder);
        return folder;
    }
    QByteArray waitForOutput(const QString& name)
    {
        const QString out = programDir() + "/" + name + ".out";
        return QTest::qWaitFor([&] { return QFile::exists(out); }, 20000) ? readBytes(out) : QByteArray();
    }
    RealProcesses real{{}};
};

TEST_F(RealProcessesTest, AChildReadsTheWholeArgumentStringUnchanged)
{
    addRecorder("tastomat");
    const QString caller = callerFolder();
    const QString args = "Q /p=\"/daten/DA Ravezure/Tavoro\" /n=\"Anna Lena\"";
    ASSERT_TRUE(real.start(programDir() + "/tastomat.exe " + args));
    EXPECT_EQ(waitForOutput("tastomat"), "1\n" + args.toUtf8() + "\n" + caller.toUtf8() + "\n");
}

TEST_F(RealProcessesTest, RelativeNamesComeFromTheProgramFolderAndAnyCase)
{
    addRecorder("Pensumo");
    const QString caller = callerFolder();
    ASSERT_TRUE(real.runAndWait("pensumo.exe"));
    EXPECT_EQ(readBytes(programDir() + "/Pensumo.out"), "0\n\n" + caller.toUtf8() + "\n");
}

TEST_F(RealProcessesTest, AStartThatFailsIsReportedAsFailed)
{
    EXPECT_FALSE(real.start("fehlt.exe Q"));
    EXPECT_FALSE(real.runAndWait(programDir() + "/fehlt.exe"));
    writeBytes(programDir() + "/kaputt", "kein Programm");
    EXPECT_FALSE(real.start("kaputt.exe"));
    EXPECT_FALSE(programFileExists("kaputt.exe"));
}

TEST(RunningTest, OnlyAProgramOfThisUserAndDataFolderWhoseNameEndsInTheNameCounts)
{
    const uint me = 1000;
    const QString data = "/home/anna/.local/share";
    const struct {
        RunningProcess process;
        bool counts;
    } cases[] = {
        {{"Pensumo", me, data}, true},
        {{"PENSUMO", me, data}, true},
        {{"MeinPensumo", me, data}, true},
        {{"Pensumo2", me, data}, false},
        {{"Pensumo.sh", me, data}, false},
        {{"Pensumo", 1001, data}, false},
        {{"Pensumo", me, "/home/anna/andere"}, false},
        {{"Pensumo", me, data + "/"}, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(processRunning("Pensumo.exe", {c.process}, me, data), c.counts)
            << c.process.executableName.toStdString() << " " << c.process.owner << " "
            << c.process.appDataFolder.toStdString();
    EXPECT_FALSE(processRunning("Pensumo.exe", {}, me, data));
}

// Real processes under names a school might meet (one longer than the kernel's 15-character
// command name), each with this test's data folder, so that what else runs on the machine
// does not count.
TEST_F(RealProcessesTest, RunningTestSeesTheRealProcessesOfThisDataFolder)
{
    const struct {
        const char* fileName;
        bool counts;
    } cases[] = {{"Lehrerzimmer_PENSUMO", true}, {"Pensumo2", false}};
    for (const auto& c : cases) {
        const QString path = programDir() + "/" + c.fileName;
        ASSERT_TRUE(QFile::copy(QStringLiteral(LONG_NAME_PROBE), path));
        QProcess probe;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_DATA_HOME", appDataDir());
        probe.setProcessEnvironment(env);
        probe.start(path, {});
        ASSERT_TRUE(probe.waitForStarted());
        EXPECT_EQ(real.isRunning("Pensumo.exe"), c.counts) << c.fileName;
        probe.kill();
        probe.waitForFinished();
        EXPECT_FALSE(real.isRunning("Pensumo.exe")) << c.fileName;
    }
}

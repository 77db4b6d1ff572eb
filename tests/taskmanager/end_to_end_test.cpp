// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/taskmanager/taskmanager_fixture.h"

#include "platform/real_services.h"

#include <QFile>
#include <QTest>

#include <csignal>
#include <thread>

using taskmanager::ManagerSettings;

namespace {

class EndToEndTest : public TaskManagerTest {
protected:
    EndToEndTest()
    {
        platform::services().processes = std::make_unique<platform::RealProcesses>(QStringList{});
        processes = nullptr;
        exportDataFolder();
        for (const char* name : {"tastomat", "rateflor", "Fugolin", "lesolum"}) {
            const QString target = programDir() + "/" + name;
            QFile::copy(STANDIN_EXERCISE, target);
            QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::ExeOwner);
        }
    }
    ~EndToEndTest() override { qunsetenv("TAVORO_STANDIN_ABORT"); }
};

// The process of `executable` that is running now, with its arguments; {0, {}} when none.
std::pair<qint64, QStringList> runningCopy(const QString& executable)
{
    const auto copies = testing_support::processesOf(executable);
    if (copies.empty())
        return {0, {}};
    return {copies.front().first, copies.front().second};
}

} // namespace

TEST_F(EndToEndTest, RunsTheSetAndWritesTheTaskLog)
{
    ManagerSettings s;
    s.sets[0] = {"Wörter", {2, 7, 8, 0, 6}};
    s.logging = -1;
    s.allowedErrors = 3;
    writeManager(s);
    state.PupilName = "Lena";
    qputenv("TAVORO_STANDIN_ABORT", "Fugolin");
    start();
    click("Command1");

    const QByteArray block = "Von 10 Aufgaben wurden\r\n"
                             "8 Aufgabe(n) auf Anhieb richtig und\r\n"
                             "2 Aufgabe(n) beim ersten Mal falsch gel\xf6st.\r\n"
                             "\r\n";
    const QByteArray expected =
        "Programm tastomat Q03A; Protokoll erstellt am 10.12.2026 09:30:00.\r\n" + block
        + "Programm rateflor Q03A; Protokoll erstellt am 10.12.2026 09:30:00.\r\n" + block
        + "Programm Fugolin Q03A; Protokoll erstellt am 10.12.2026 09:30:00.\r\n"
          "Das Programm wurde vorzeitig abgebrochen.\r\n"
          "Es wurden nur 4 Aufgabe(n) abgearbeitet. Davon wurden\r\n"
          "3 Aufgabe(n) auf Anhieb richtig und\r\n"
          "1 Aufgabe(n) beim ersten Mal falsch gel\xf6st.\r\n"
          "\r\n";
    EXPECT_EQ(readBytes(packageDir() + "/Protokoll/Lena.txt"), expected);
    EXPECT_FALSE(QFile::exists(resultsFile()));
    EXPECT_TRUE(messages->shown.empty());
    EXPECT_TRUE(form->isEnabled());
}

TEST_F(EndToEndTest, StartsTheRealFreeWritingWithTheAssignmentSuffix)
{
    const QString kritzlon = programDir() + "/Kritzlon";
    ASSERT_TRUE(QFile::copy(TAVORO_SUITE_DIR "/Kritzlon", kritzlon));
    ManagerSettings s;
    s.sets[0] = {"Schreiben", {3, 0, 0, 0, 0}};
    s.allowedErrors = 3;
    writeManager(s);
    start();
    // The pupil writes and the session ends it; the set then goes on.
    QStringList arguments;
    std::thread pupil([&] {
        std::pair<qint64, QStringList> copy;
        if (QTest::qWaitFor([&] {
                copy = runningCopy(kritzlon);
                return copy.first != 0 && QFile::exists(appDataDir() + "/DA Ravezure/Plenaro/Tavoro/options3.ini");
            }, 20000)) {
            arguments = copy.second;
            ::kill(static_cast<pid_t>(copy.first), SIGTERM);
        }
    });
    click("Command1");
    pupil.join();
    EXPECT_EQ(arguments, QStringList({kritzlon, "Q03A"}));
    EXPECT_EQ(runningCopy(kritzlon).first, 0);
    EXPECT_TRUE(messages->shown.empty());
    EXPECT_TRUE(form->isEnabled());
}

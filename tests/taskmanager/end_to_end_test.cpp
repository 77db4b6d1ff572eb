#include "taskmanager_fixture.h"

#include "platform/real_services.h"

#include <QFile>

using taskmanager::ManagerSettings;

namespace {

class EndToEndTest : public TaskManagerTest {
protected:
    EndToEndTest()
    {
        platform::services().processes = std::make_unique<platform::RealProcesses>(QStringList{});
        processes = nullptr;
        qputenv("XDG_DATA_HOME", appDataDir().toLocal8Bit());
        for (const char* name : {"tastomat", "rateflor", "Fugolin", "lesolum"}) {
            const QString target = programDir() + "/" + name;
            QFile::copy(STANDIN_EXERCISE, target);
            QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::ExeOwner);
        }
    }
    ~EndToEndTest() override
    {
        qunsetenv("XDG_DATA_HOME");
        qunsetenv("TAVORO_STANDIN_ABORT");
    }
};

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

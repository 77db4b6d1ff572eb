// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/launcher/launcher_fixture.h"

#include "launcher/Form2.h"
#include "launcher/Man_Namen.h"
#include "launcher/OptionsEditor.h"

#include "platform/forms/end.h"

#include <QProcess>
#include <QTest>

using testing_support::whenShown;
using launcher::Form1;
using launcher::Form2;
using launcher::Man_Namen;

namespace {

class OptionsTest : public LauncherTest {
protected:
    QString userOptions() const { return dataDir() + "/options4.ini"; }
    QStringList userLines() const { return platform::readTextFile(userOptions()).lines; }

    // The teacher opens the options from the launcher's menu.
    Form2* openOptions(Form1& f)
    {
        f.M_Optionen->trigger();
        return static_cast<Form2*>(platform::findForm("Form2"));
    }

    static void click(QAbstractButton* box) { QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2)); }
};

} // namespace

TEST_F(OptionsTest, EachCheckBoxWritesItsOwnLine)
{
    const QStringList off{" 0 ", " 0 ", " 0 ", " 0 ", " 0 ", " 0 ", " 0 ", " 0 ", " 0 ", " 0 ", " 0 "};
    const struct {
        const char* box;
        QList<int> lines;   // 1-based lines that turn on
    } cases[] = {{"HGrund", {1, 2}}, {"Auflösung", {1, 2, 4}}, {"Buchstaben", {5}}, {"Proto", {6}},
                 {"FehlerWeiter", {7}}, {"optEigeneBilder", {8}}, {"Opt_AnlautKritzlon", {9}},
                 {"Opt_AnlautTastomat", {10}}, {"ProtSave", {11}}};
    for (const auto& c : cases) {
        writeFile(programDir() + "/options4.ini", off);
        QDir(dataDir()).removeRecursively();
        Form1& f = start();
        Form2* d = openOptions(f);
        ASSERT_NE(d, nullptr);
        click(d->findChild<QCheckBox*>(QString::fromUtf8(c.box)));
        if (c.lines == QList<int>{11})   // the restarted launcher asks for the name
            whenShown("Man_Namen", [](platform::Form& n) { static_cast<Man_Namen&>(n).unload(); });
        click(d->Befehl1);
        QStringList expected = off;
        for (int line : c.lines)
            expected[line - 1] = line <= 7 ? "-1 " : " 1 ";
        EXPECT_EQ(userLines(), expected) << c.box;
    }
}

TEST_F(OptionsTest, TheTaskbarBoxFollowsTheBackdropAndFullScreenForcesIt)
{
    setCentralOptions({.HGrund = 0, .TVis = -1});
    Form2* d = openOptions(start());
    EXPECT_FALSE(d->TVis->isEnabled());
    EXPECT_TRUE(d->TVis->isChecked());
    click(d->HGrund);
    EXPECT_TRUE(d->TVis->isEnabled());
    click(d->Aufloesung);
    EXPECT_TRUE(d->HGrund->isChecked());
    EXPECT_FALSE(d->TVis->isChecked());
    EXPECT_FALSE(d->HGrund->isEnabled());
    EXPECT_FALSE(d->TVis->isEnabled());
    click(d->Aufloesung);
    EXPECT_TRUE(d->HGrund->isEnabled());
    EXPECT_TRUE(d->TVis->isEnabled());
    EXPECT_FALSE(d->TVis->isChecked());
}

TEST_F(OptionsTest, AFileInFullScreenModeOpensWithTheDisplayBoxesLocked)
{
    setCentralOptions({.HGrund = -1, .TVis = -1, .Aufloesung = -1});
    Form2* d = openOptions(start());
    EXPECT_TRUE(d->HGrund->isChecked());
    EXPECT_FALSE(d->TVis->isChecked());
    EXPECT_FALSE(d->HGrund->isEnabled());
    EXPECT_FALSE(d->TVis->isEnabled());
    EXPECT_FALSE(platform::findForm("Hintergrund")->isEnabled());
    click(d->Befehl1);
    EXPECT_TRUE(platform::findForm("Hintergrund")->isEnabled());
}

TEST_F(OptionsTest, OkWithoutAChangeRewritesTheFileAndKeepsTheName)
{
    setCentralOptions({.ProtSave = 1});
    Form1& f = start("/n=\"Max\"");
    QStringList lines = userLines();
    lines[1] = "-1 ";   // line 2 out of step with line 1
    writeFile(userOptions(), lines);
    Form2* d = openOptions(f);
    EXPECT_FALSE(f.isVisible());
    EXPECT_TRUE(d->isVisible());
    EXPECT_FALSE(d->close());   // only OK leaves the dialog
    QTest::keyClick(d->Proto, Qt::Key_Return);
    lines[1] = lines[0];
    EXPECT_EQ(userLines(), lines);
    EXPECT_TRUE(f.isVisible());
    EXPECT_FALSE(platform::formLoaded("Form2"));
    EXPECT_EQ(state.PupilName, "Max");
    EXPECT_EQ(f.Hilfe->text(), "Hallo Max!\r\nWähle ein Programm aus:");
}

TEST_F(OptionsTest, OkWithAChangeRestartsTheLauncherWithTheNewValues)
{
    Form1& f = start("/n=\"Max\"");
    EXPECT_FALSE(f.CB_Name->isVisible());
    Form2* d = openOptions(f);
    click(d->ProtSave);
    click(d->Aufloesung);
    bool asked = false;
    whenShown("Man_Namen", [&](platform::Form& n) {
        asked = true;
        QTest::keyClicks(static_cast<Man_Namen&>(n).Text1, "Lea");
        QTest::mouseClick(static_cast<Man_Namen&>(n).OK, Qt::LeftButton);
    });
    click(d->Befehl1);
    // The name from the command line is read again; the name dialog is not needed.
    EXPECT_FALSE(asked);
    EXPECT_TRUE(f.isVisible());
    EXPECT_TRUE(f.CB_Name->isVisible());
    EXPECT_EQ(state.options.ProtSave, 1);
    EXPECT_TRUE(display->low);
    EXPECT_FALSE(display->taskbar);
    EXPECT_TRUE(platform::formLoaded("Hintergrund"));
    EXPECT_EQ(f.Hilfe->text(), "Hallo Max!\r\nWähle ein Programm aus:");
}

TEST_F(OptionsTest, OnlyLoggingChangedRestartsAndAsksForTheNameAgain)
{
    setCentralOptions({.ProtSave = 1});
    Form1& f = start("/n=\"Max\"");
    state.CommandLine.clear();
    Form2* d = openOptions(f);
    click(d->ProtSave);
    click(d->ProtSave);
    click(d->Befehl1);   // nothing changed
    EXPECT_EQ(state.PupilName, "Max");
    d = openOptions(f);
    click(d->ProtSave);
    click(d->Befehl1);
    EXPECT_TRUE(state.PupilName.isEmpty());
    EXPECT_FALSE(f.CB_Name->isVisible());
    d = openOptions(f);
    click(d->ProtSave);
    whenShown("Man_Namen", [](platform::Form& n) { QTest::mouseClick(static_cast<Man_Namen&>(n).OK, Qt::LeftButton); });
    click(d->Befehl1);
    EXPECT_EQ(state.PupilName, "unbekannt");
}

TEST_F(OptionsTest, ASecondDialogMeetsTheLockOfAnotherProcess)
{
    Form1& f = start();
    const QByteArray before = readBytes(userOptions());
    QProcess holder;
    holder.start(QStringLiteral(LAUNCHER_LOCKHOLDER), {userOptions()});
    ASSERT_TRUE(holder.waitForReadyRead(5000));
    ASSERT_EQ(holder.readLine().trimmed(), "locked");
    EXPECT_EQ(openOptions(f), nullptr);
    EXPECT_EQ(messages->texts(),
              QStringList({"Die Optionen-Datei kann nicht geändert werden.\r\nDies kann folgende Gründe haben:\r\n"
                           "- Das Optionen-Fenster ist schon geöffnet (bei einer Netzwerkinstallation eventuell an "
                           "einem anderen PC). Schließen Sie zuerst dieses Fenster.\r\n- Sie haben keine "
                           "Schreibrechte auf dem Laufwerk, auf dem die Programme installiert sind. Stellen Sie die "
                           "Schreibrechte bitte her, bevor Sie die Optionen ändern."}));
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(readBytes(userOptions()), before);
    holder.kill();
    holder.waitForFinished();
    EXPECT_NE(openOptions(f), nullptr);
}

TEST_F(OptionsTest, TheOpenDialogLocksOtherProgramsOutUntilOk)
{
    Form1& f = start();
    Form2* d = openOptions(f);
    // Another program reading the options now waits and gives up, as on a lock.
    SuiteOptions other;
    platform::runHandler([&] { LoadSuiteOptions(other, dataDir(), OptionsReader::Program); });
    EXPECT_EQ(clock->sleeps, std::vector<int>({500, 1000, 1500}));
    platform::resetProgramEnded();
    click(d->Befehl1);
    EXPECT_TRUE(platform::readTextFile(userOptions()).error.kind == platform::FileErrorKind::None);
}

TEST_F(OptionsTest, AFailedRewriteKeepsTheOldFileAndDoesNotRestart)
{
    Form1& f = start("/n=\"Max\"");
    Form2* d = openOptions(f);
    const QByteArray before = readBytes(userOptions());
    // The data folder becomes unwritable under the dialog: a file in place of the folder.
    ASSERT_TRUE(QDir().rename(dataDir(), dataDir() + ".alt"));
    writeBytes(dataDir(), "x");
    click(d->Buchstaben);
    click(d->Befehl1);
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_FALSE(messages->texts()[0].isEmpty());
    EXPECT_EQ(readBytes(dataDir() + ".alt/options4.ini"), before);
    EXPECT_EQ(state.options.Buchstaben, 0);
    EXPECT_TRUE(f.isVisible());
    EXPECT_FALSE(platform::formLoaded("Form2"));
    EXPECT_FALSE(platform::programEnded());
}

// An options file that cannot be opened for another reason than a lock ends the launcher.
TEST_F(OptionsTest, AnOptionsFileThatCannotBeOpenedIsARuntimeErrorThatEndsTheLauncher)
{
    Form1& f = start();
    ASSERT_TRUE(QFile::remove(userOptions()));
    ASSERT_TRUE(QDir().mkpath(userOptions()));   // a folder in place of the file
    openOptions(f);
    ASSERT_EQ(messages->shown.size(), 1u);
    const QString text = messages->texts()[0];
    EXPECT_TRUE(text.startsWith("Laufzeitfehler: ")) << text.toStdString();
    EXPECT_GT(text.size(), QString("Laufzeitfehler: ").size());
    EXPECT_TRUE(platform::programEnded());
}

TEST_F(OptionsTest, TheHelpButtonsOpenTheirPages)
{
    Form2* d = openOptions(start());
    for (QPushButton* b : {d->Command1, d->Command2, d->Command3})
        click(b);
    ASSERT_EQ(help->opened.size(), 3u);
    EXPECT_EQ(help->opened[0].second, 110);
    EXPECT_EQ(help->opened[1].second, 112);
    EXPECT_EQ(help->opened[2].second, 111);
}

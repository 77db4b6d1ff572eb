// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/taskmanager/taskmanager_fixture.h"

#include "platform/files.h"
#include "platform/forms/twips.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTextEdit>

using taskmanager::ManagerSettings;
using testing_support::whenShown;

namespace {

class NamesTest : public TaskManagerTest {
protected:
    QString logFolder() const { return packageDir() + "/Protokoll"; }

    static QListWidgetItem* itemOf(QListWidget* list, const QString& text)
    {
        const auto found = list->findItems(text, Qt::MatchExactly);
        return found.isEmpty() ? nullptr : found.first();
    }

    static void clickItem(QListWidget* list, const QString& text)
    {
        QListWidgetItem* item = itemOf(list, text);
        ASSERT_NE(item, nullptr) << text.toStdString();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
    }

    static QStringList texts(QListWidget* list)
    {
        QStringList items;
        for (int i = 0; i < list->count(); ++i)
            items.append(list->item(i)->text());
        return items;
    }
};

} // namespace

TEST_F(NamesTest, LogViewerWorksOnTheTaskLogFolder)
{
    start();
    writeFile(logFolder() + "/Max.txt", {"Programm QL Tastomat", "Von 10 Aufgaben wurden"});
    writeFile(logFolder() + "/Lena.txt", {"Lena"});
    writeFile(dataDir() + "/Protokoll_2/Ole.txt", {"launcher log"});
    messages->answers = {platform::MessageAnswer::Yes};
    bool ran = false;
    whenShown("Protokolle", [&](platform::Form& f) {
        ran = true;
        EXPECT_EQ(f.caption(), "Protokolle anzeigen");
        EXPECT_EQ(f.scaleWidthTwips(), 8055);
        auto* files = f.findChild<QListWidget*>("File1");
        auto* text = f.findChild<QTextEdit*>("Text1");
        EXPECT_EQ(texts(files), QStringList({"Lena.txt", "Max.txt"}));
        EXPECT_EQ(text->width(), platform::twipsToPixels(5175));
        clickItem(files, "Max.txt");
        EXPECT_EQ(text->toPlainText(), "Programm QL Tastomat\nVon 10 Aufgaben wurden\n");
        QTest::mouseClick(f.findChild<QPushButton*>("Command2"), Qt::LeftButton);
        EXPECT_EQ(texts(files), QStringList({"Lena.txt"}));
        EXPECT_TRUE(text->toPlainText().isEmpty());
        QTest::mouseClick(f.findChild<QPushButton*>("Command1"), Qt::LeftButton);
    });
    menuItem("Anzeigen")->trigger();
    EXPECT_TRUE(ran);
    EXPECT_EQ(messages->texts(), QStringList{"Wollen Sie die Datei Max.txt wirklich löschen?"});
    EXPECT_FALSE(QFileInfo::exists(logFolder() + "/Max.txt"));
}

TEST_F(NamesTest, NameListDeletesFromTheTaskManagersOwnList)
{
    writeFile(programDir() + "/Protokoll/Namen.ini", {"Max", "unbekannt", "Lena"});
    state.PupilName = "Max";
    start();
    messages->answers = {platform::MessageAnswer::Yes};
    bool ran = false;
    whenShown("NamenAnzeigen", [&](platform::Form& f) {
        ran = true;
        auto* list = f.findChild<QListWidget*>("List1");
        EXPECT_EQ(texts(list), QStringList({"Max", "unbekannt", "Lena"}));
        clickItem(list, "Max");
        QTest::mouseClick(f.findChild<QPushButton*>("Command1"), Qt::LeftButton);
        QTest::mouseClick(f.findChild<QPushButton*>("OK"), Qt::LeftButton);
    });
    menuItem("NamenAnz")->trigger();
    EXPECT_TRUE(ran);
    EXPECT_EQ(platform::readTextFile(logFolder() + "/Namen.ini").lines, QStringList({"unbekannt", "Lena"}));
    EXPECT_TRUE(state.PupilName.isEmpty());
    EXPECT_EQ(platform::readTextFile(dataDir() + "/Protokoll_2/Namen.ini").error.kind,
              platform::FileErrorKind::NotFound);
}

namespace {

ManagerSettings loggingOn()
{
    ManagerSettings s;
    s.sets[0] = {"Lesen", {2, 0, 0, 0, 0}};
    s.logging = -1;
    return s;
}

void typeName(platform::Form& f, const QString& name)
{
    auto* field = f.findChild<QLineEdit*>("Text1");
    field->clear();
    for (const QChar c : name) {
        if (c.unicode() < 128) {
            QTest::keyClicks(field, QString(c));
            continue;
        }
        // Umlauts have no plain key in the test's key map.
        QTest::sendKeyEvent(QTest::Press, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

} // namespace

TEST_F(NamesTest, NameEntryOpensAtStartWhenLoggingIsOnAndRegistersTheName)
{
    writeManager(loggingOn());
    writeFile(programDir() + "/Protokoll/Namen.ini", {"unbekannt", "Max"});
    bool ran = false;
    whenShown("Namen", [&](platform::Form& f) {
        ran = true;
        EXPECT_EQ(f.caption(), "Namen eingeben");
        EXPECT_EQ(f.findChild<QLabel*>("Label1")->text(), "Gib deinen Namen ein:");
        EXPECT_EQ(texts(f.findChild<QListWidget*>("List1")), QStringList{"Max"});
        EXPECT_TRUE(form->isVisible());
        f.close();   // only "Weiter" leaves it
        EXPECT_TRUE(f.isVisible());
        typeName(f, "Jörg");
        EXPECT_EQ(f.findChild<QLineEdit*>("Text1")->text(), "Jörg");
        QTest::keyClick(f.findChild<QLineEdit*>("Text1"), Qt::Key_Return);
        EXPECT_TRUE(f.isVisible());
        typeName(f, "Lena Maus");
        QTest::mouseClick(f.findChild<QPushButton*>("OK"), Qt::LeftButton);
    });
    start();
    EXPECT_TRUE(ran);
    EXPECT_EQ(messages->texts(), QStringList{"Gib bitte nur Buchstaben oder Zahlen ein!"});
    EXPECT_EQ(state.PupilName, "Lena Maus");
    EXPECT_TRUE(button("CB_Name")->isVisible());
    EXPECT_TRUE(QFileInfo::exists(logFolder() + "/Lena Maus.txt"));
    EXPECT_EQ(platform::readTextFile(logFolder() + "/Namen.ini").lines, QStringList({"unbekannt", "Max", "Lena Maus"}));

    whenShown("Namen", [&](platform::Form& f) {
        clickItem(f.findChild<QListWidget*>("List1"), "Max");
        QTest::mouseClick(f.findChild<QPushButton*>("OK"), Qt::LeftButton);
    });
    click("CB_Name");
    EXPECT_EQ(state.PupilName, "Max");
    click("Command1");
    EXPECT_EQ(platform::readTextFile(logFolder() + "/Namen.ini").lines.size(), 3);
    EXPECT_TRUE(QFileInfo::exists(logFolder() + "/Max.txt"));
}

TEST_F(NamesTest, RunWithLoggingAndNoNameAsksForTheNameFirst)
{
    writeManager(loggingOn());
    whenShown("Namen", [](platform::Form& f) { f.unload(); });
    start();
    ASSERT_TRUE(state.PupilName.isEmpty());
    whenShown("Namen", [](platform::Form& f) {
        QTest::mouseClick(f.findChild<QPushButton*>("OK"), Qt::LeftButton);
    });
    processes->onRun = [this](const QString&) { platform::appendTextLines(resultsFile(), {"Ergebnis"}); };
    click("Command1");
    EXPECT_EQ(state.PupilName, "unbekannt");
    EXPECT_EQ(platform::readTextFile(logFolder() + "/unbekannt.txt").lines, QStringList{"Ergebnis"});
    EXPECT_FALSE(QFileInfo::exists(logFolder() + "/.txt"));
}

TEST_F(NamesTest, DeletingTheCurrentNameOpensTheNameEntryAgain)
{
    writeManager(loggingOn());
    writeFile(programDir() + "/Protokoll/Namen.ini", {"Max", "Lena"});
    state.PupilName = "Max";
    start();
    messages->answers = {platform::MessageAnswer::Yes};
    whenShown("NamenAnzeigen", [](platform::Form& f) {
        clickItem(f.findChild<QListWidget*>("List1"), "Max");
        QTest::mouseClick(f.findChild<QPushButton*>("Command1"), Qt::LeftButton);
        QTest::mouseClick(f.findChild<QPushButton*>("OK"), Qt::LeftButton);
    });
    bool asked = false;
    whenShown("Namen", [&](platform::Form& f) {
        asked = true;
        EXPECT_EQ(texts(f.findChild<QListWidget*>("List1")), QStringList{"Lena"});
        clickItem(f.findChild<QListWidget*>("List1"), "Lena");
        QTest::mouseClick(f.findChild<QPushButton*>("OK"), Qt::LeftButton);
    });
    menuItem("NamenAnz")->trigger();
    EXPECT_TRUE(asked);
    EXPECT_EQ(state.PupilName, "Lena");
}

TEST_F(NamesTest, EditorTurningLoggingOnAsksForAName)
{
    start();
    EXPECT_FALSE(button("CB_Name")->isVisible());
    whenShown("Form2", [](platform::Form& f) {
        auto* check = f.findChild<QCheckBox*>("ProtokollCheck");
        QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(5, check->height() / 2));
        QTest::mouseClick(f.findChild<QPushButton*>("Command1"), Qt::LeftButton);
    });
    bool asked = false;
    whenShown("Namen", [&](platform::Form& f) {
        asked = true;
        typeName(f, "Ole");
        QTest::mouseClick(f.findChild<QPushButton*>("OK"), Qt::LeftButton);
    });
    menuItem("Einstellungen")->trigger();
    EXPECT_TRUE(asked);
    EXPECT_EQ(state.PupilName, "Ole");
    EXPECT_TRUE(button("CB_Name")->isVisible());
}

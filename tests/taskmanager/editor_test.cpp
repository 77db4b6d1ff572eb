// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/taskmanager/taskmanager_fixture.h"

#include "taskmanager/Form2.h"

#include "platform/files.h"
#include "platform/forms/twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

using taskmanager::Form2;
using taskmanager::ManagerSettings;
using testing_support::whenShown;

namespace {

class EditorTest : public TaskManagerTest {
protected:
    EditorTest()
    {
        ManagerSettings s;
        s.activeSet = 2;
        s.sets[1] = {"Lesen", {2, 7, 0, 0, 0}};
        s.sets[3] = {"Silben", {8, 9, 0, 0, 5}};
        s.allowedErrors = 4;
        writeManager(s);
        start();
    }

    // Opens the editor, lets `edit` work in it and returns when it has closed.
    void edit(const std::function<void(Form2&)>& action)
    {
        bool ran = false;
        whenShown("Form2", [&](platform::Form& f) {
            ran = true;
            action(static_cast<Form2&>(f));
            if (f.isVisible())
                f.unload();
        });
        menuItem("Einstellungen")->trigger();
        EXPECT_TRUE(ran);
    }

    static void typeInto(QLineEdit* box, const QString& text)
    {
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
    }

    static void clickOn(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }
    static void toggle(QCheckBox* box) { QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2)); }

    // Starts again on the data folder's file as a test changed it.
    void restart()
    {
        form.reset();
        start();
    }

    QStringList managerFile() const { return platform::readTextFile(packageDir() + "/manager.ini").lines; }
};

} // namespace

TEST_F(EditorTest, ShowsTheStoredSetsAndSettings)
{
    edit([](Form2& e) {
        EXPECT_EQ(e.caption(), "Pensumo - Einstellungen");
        EXPECT_EQ(e.Platz->currentText(), "1");
        EXPECT_EQ(e.Programm1[0]->count(), 10);
        EXPECT_EQ(e.Programm1[0]->itemText(0), "Kein Programm starten");
        e.Platz->setCurrentIndex(3);
        EXPECT_EQ(e.Namen->text(), "Silben");
        EXPECT_EQ(e.Programm1[0]->currentText(), "QL Fugolin");
        EXPECT_EQ(e.Programm1[1]->currentText(), "QL Bogenblick");
        EXPECT_EQ(e.Programm1[4]->currentText(), "QL Baudrom mit Silben");
        EXPECT_FALSE(e.ProtokollCheck->isChecked());
        EXPECT_TRUE(e.wiederholen->isChecked());
        EXPECT_TRUE(e.MaxErrors->isVisible());
        EXPECT_EQ(e.MaxErrors->text(), "4");
        // "Programm 1:" to "Programm 5:" at their own tops, not all beside their lists.
        const int tops[] = {2385, 2760, 3120, 3480, 3840};
        for (int i = 0; i < 5; ++i) {
            const auto* label = e.findChild<QLabel*>(QStringLiteral("Label3(%1)").arg(i));
            ASSERT_NE(label, nullptr) << i;
            EXPECT_EQ(label->text(), QStringLiteral("Programm %1:").arg(i + 1));
            EXPECT_EQ(platform::pixelsToTwips(label->y()), tops[i]) << i;
        }
    });
}

TEST_F(EditorTest, CancelLeavesTheFileAndTheMenuAsTheyWere)
{
    const QByteArray before = readBytes(packageDir() + "/manager.ini");
    edit([](Form2& e) {
        e.Platz->setCurrentIndex(1);
        typeInto(e.Namen, "Neu");
        e.Programm1[0]->setCurrentIndex(3);
        clickOn(e.Command2);
        EXPECT_FALSE(e.isVisible());
    });
    EXPECT_EQ(readBytes(packageDir() + "/manager.ini"), before);
    EXPECT_EQ(menuItem("Nr2")->text(), "Nr. 2: Lesen");
    click("Command1");
    EXPECT_EQ(processes->commandLines(), QStringList({"tastomat.exe Q04A", "rateflor.exe Q04A"}));
}

TEST_F(EditorTest, SaveAndOkStoresTheEditedSetsAndTheMenuFollows)
{
    edit([](Form2& e) {
        e.Platz->setCurrentIndex(1);
        typeInto(e.Namen, "Lesen, Schreiben");
        e.Programm1[1]->setCurrentIndex(6);
        e.Platz->setCurrentIndex(6);
        typeInto(e.Namen, "Neu");
        e.Programm1[4]->setCurrentIndex(3);
        clickOn(e.Command1);
        EXPECT_FALSE(e.isVisible());
    });
    const QStringList lines = managerFile();
    ASSERT_EQ(lines.size(), 24);
    EXPECT_EQ(lines[1], " 2 ");   // the editor never changes the active set
    EXPECT_EQ(lines.mid(4, 2), QStringList({"2 6 0 0 0 ", "\"Lesen, Schreiben\""}));
    EXPECT_EQ(lines.mid(14, 2), QStringList({"0 0 0 0 3 ", "Neu"}));
    EXPECT_EQ(lines.mid(22), QStringList({" 0 ", " 4 "}));
    EXPECT_EQ(menuItem("Nr2")->text(), "Nr. 2: Lesen, Schreiben");
    EXPECT_EQ(menuItem("Nr7")->text(), "Nr. 7: Neu");
    click("Command1");
    EXPECT_EQ(processes->commandLines(), QStringList({"tastomat.exe Q04A", "lesolum.exe Q04A"}));
}

TEST_F(EditorTest, DeletingAPositionStoresZerosAndLeer)
{
    edit([](Form2& e) {
        e.Platz->setCurrentIndex(3);
        clickOn(e.PosKill);
        EXPECT_EQ(e.Namen->text(), "leer");
        for (QComboBox* list : e.Programm1)
            EXPECT_EQ(list->currentIndex(), 0);
        clickOn(e.Speichern);
        EXPECT_TRUE(e.isVisible());
        clickOn(e.Command2);
    });
    EXPECT_EQ(managerFile().mid(8, 2), QStringList({"0 0 0 0 0 ", "leer"}));
    EXPECT_EQ(menuItem("Nr4")->text(), "Nr. 4: leer");
}

TEST_F(EditorTest, AllowedErrorsBox)
{
    edit([this](Form2& e) {
        typeInto(e.MaxErrors, "x");
        EXPECT_EQ(e.MaxErrors->text(), "3");
        clickOn(e.MaxErrors);
        QTest::keyClicks(e.MaxErrors, "7");
        EXPECT_EQ(e.MaxErrors->text(), "7");
        clickOn(e.Speichern);
        EXPECT_EQ(managerFile()[23], " 7 ");
        e.MaxErrors->clear();
        clickOn(e.Speichern);
        EXPECT_EQ(managerFile()[23], " 0 ");
        toggle(e.wiederholen);
        EXPECT_FALSE(e.MaxErrors->isVisible());
        EXPECT_FALSE(e.MaxErrorsLabel->isVisible());
        typeInto(e.MaxErrors, "5");
        clickOn(e.Command1);
    });
    EXPECT_EQ(managerFile()[23], "-1 ");
    edit([](Form2& e) {
        EXPECT_FALSE(e.wiederholen->isChecked());
        EXPECT_FALSE(e.MaxErrors->isVisible());
    });
    click("Command1");
    EXPECT_EQ(processes->commandLines(), QStringList({"tastomat.exe Q99A", "rateflor.exe Q99A"}));
}

TEST_F(EditorTest, LoggingOffClearsThePupilName)
{
    writeFile(packageDir() + "/manager.ini", managerFile().mid(0, 22) + QStringList{"-1 ", " 4 "});
    state.PupilName = "Max";
    restart();
    edit([](Form2& e) {
        EXPECT_TRUE(e.ProtokollCheck->isChecked());
        toggle(e.ProtokollCheck);
        clickOn(e.Command1);
    });
    EXPECT_EQ(managerFile()[22], " 0 ");
    EXPECT_TRUE(state.PupilName.isEmpty());
    EXPECT_FALSE(button("CB_Name")->isVisible());
}

TEST_F(EditorTest, FailedSaveKeepsTheOldFileAndTheEditorOpen)
{
    const QByteArray before = readBytes(packageDir() + "/manager.ini");
    platform::FileLock lock(packageDir() + "/manager.ini");
    ASSERT_FALSE(lock.acquire().failed());
    edit([&](Form2& e) {
        typeInto(e.Namen, "Neu");
        clickOn(e.Command1);
        EXPECT_TRUE(e.isVisible());
        EXPECT_EQ(messages->shown.size(), 1u);
    });
    EXPECT_EQ(readBytes(packageDir() + "/manager.ini"), before);
}

TEST_F(EditorTest, UnknownStoredIndexShowsNoChoiceAndIsKept)
{
    writeFile(packageDir() + "/manager.ini", managerFile().mid(0, 2) + QStringList{"250 0 0 0 "} + managerFile().mid(3));
    restart();
    edit([](Form2& e) {
        EXPECT_EQ(e.Programm1[0]->currentIndex(), -1);
        clickOn(e.Command1);
    });
    EXPECT_EQ(managerFile()[2], "250 0 0 0 ");
}

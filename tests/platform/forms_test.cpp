// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/fixture.h"

#include "platform/forms/application.h"
#include "platform/forms/end.h"
#include "platform/forms/events.h"
#include "platform/forms/form.h"
#include "platform/forms/menubar.h"
#include "platform/forms/timer.h"

#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace platform;
using testing_support::SuiteTest;
using testing_support::whenShown;

namespace {

// A small window with the kinds of controls and handlers the programs use.
class ProbeForm : public Form {
public:
    explicit ProbeForm(const QString& name = "Probe") : Form(name)
    {
        setGeometryTwips(0, 0, 4800, 3600);
        check = addCheckBox("Check1", QRect(120, 120, 2000, 300), "An", [this] { ++checkClicks; });
        option = addOptionButton("Option1", QRect(120, 480, 2000, 300), "Eins", [this] { ++optionClicks; });
        text = addTextBox("Text1", QRect(120, 840, 2000, 300));
        button = addButton("Command1", QRect(120, 1200, 1200, 400), "OK", [this] { onButton(); });
        menu = addMenu("dasmenu", "Lehrer&menü");
        setMenuVisible(menu, false);
        weiter = addTopLevelItem("WFehler", "Weiter trotz Fehler", [this] { ++weiterClicks; });
        weiter->setVisible(false);
    }

    std::function<void()> onButton = [] {};
    std::vector<int> keysDown;
    int checkClicks = 0, optionClicks = 0, weiterClicks = 0, loads = 0, unloads = 0;
    bool refuseUserClose = false;
    QCheckBox* check;
    QRadioButton* option;
    QLineEdit* text;
    QPushButton* button;
    QMenu* menu;
    QAction* weiter;

protected:
    void Form_Load() override { ++loads; }
    bool Form_QueryUnload(UnloadMode mode) override
    {
        return refuseUserClose && mode != UnloadMode::Code;
    }
    void Form_Unload() override { ++unloads; }
    void Form_KeyDown(int& keyCode, int) override
    {
        keysDown.push_back(keyCode);
        if (keyCode == 117)
            keyCode = 0;
    }
    void Form_KeyPress(int& keyAscii) override
    {
        if (keyAscii == '1')
            keyAscii = 0;                       // digits are refused
        else if (keyAscii >= 'a' && keyAscii <= 'z')
            keyAscii -= 32;                     // and letters become capitals
    }
};

class FormsTest : public SuiteTest {};

} // namespace

TEST_F(FormsTest, ChangingValuesFromCodeRunsTheClickHandlers)
{
    ProbeForm form;
    form.show();
    form.check->setChecked(true);
    form.option->setChecked(true);
    EXPECT_EQ(form.checkClicks, 1);
    EXPECT_EQ(form.optionClicks, 1);
    QTest::mouseClick(form.check, Qt::LeftButton, {}, QPoint(6, form.check->height() / 2));
    EXPECT_EQ(form.checkClicks, 2);
    EXPECT_FALSE(form.check->isChecked());
}

TEST_F(FormsTest, KeyPreviewSeesKeysBeforeTheControls)
{
    ProbeForm form;
    form.show();
    form.text->setFocus();
    QTest::keyClick(form.text, Qt::Key_F6);
    QTest::keyClicks(form.text, "ab1c");
    EXPECT_EQ(form.keysDown.front(), 117);
    EXPECT_EQ(form.text->text(), "ABC");
}

TEST_F(FormsTest, TheMenuBarShowsWhileAnyTopLevelEntryIsVisible)
{
    ProbeForm form;
    form.show();
    EXPECT_FALSE(form.menuBarVisible());
    const int small = form.scaleHeightTwips();
    Form::setMenuVisible(form.menu, true);
    EXPECT_TRUE(form.menuBarVisible());
    EXPECT_EQ(form.scaleHeightTwips(), small - Form::kMenuBarTwips);
    form.weiter->setVisible(true);
    form.weiter->trigger();
    EXPECT_EQ(form.weiterClicks, 1);
    Form::setMenuVisible(form.menu, false);
    form.weiter->setVisible(false);
    EXPECT_FALSE(form.menuBarVisible());
}

TEST_F(FormsTest, AClientSizeLeavesRoomForCaptionBorderAndAShownMenuBar)
{
    ProbeForm form;
    form.setClientSizeTwips(3000, 2000);
    EXPECT_EQ(form.widthTwips(), 3120);
    EXPECT_EQ(form.heightTwips(), 2405);
    Form::setMenuVisible(form.menu, true);
    form.setClientSizeTwips(3000, 2000);
    EXPECT_EQ(form.heightTwips(), 2675);
    EXPECT_EQ(form.scaleWidthTwips(), 3000);
    EXPECT_EQ(form.scaleHeightTwips(), 2000);
}

TEST_F(FormsTest, ANarrowWindowsMenuBarWrapsIntoRowsAndTheWindowGrowsByThem)
{
    Form form("Narrow");
    form.setGeometryTwips(0, 0, 3585, 4200);
    QMenu* first = form.addMenu("Zusammen", "Aufgabenzusammenstellung");
    form.addMenu("Einstell", "Optionen");
    QAction* item = form.addTopLevelItem("WFehler", "Weiter trotz Fehler", [] {});
    form.show();
    const int clientHeight = form.client()->height();
    const QRect window = form.rect();
    MenuBar& bar = *form.menuBar();
    ASSERT_GE(bar.rowCount(), 2);
    for (QAction* entry : {first->menuAction(), form.findChild<QMenu*>("Einstell")->menuAction(), item}) {
        const QRect place = bar.entryGeometry(entry).translated(bar.pos());
        EXPECT_TRUE(window.contains(place)) << entry->text().toStdString();
    }
    EXPECT_EQ(form.client()->y(), bar.height());
    EXPECT_EQ(form.height(), bar.height() + clientHeight);

    Form::setMenuVisible(first, false);
    item->setVisible(false);
    EXPECT_EQ(bar.rowCount(), 1);
    EXPECT_EQ(form.client()->height(), clientHeight);
    EXPECT_EQ(form.height(), bar.height() + clientHeight);
    EXPECT_TRUE(form.findChildren<QToolButton*>("qt_menubar_ext_button").empty()
                || !form.findChild<QToolButton*>("qt_menubar_ext_button")->isVisible());
}

TEST_F(FormsTest, AModalFormShownFromAHandlerIsDrivenInsideItsLoop)
{
    ProbeForm main("Form1");
    ProbeForm dialog("SStufe");
    bool afterModal = false;
    main.onButton = [&] {
        dialog.showModal();
        afterModal = true;
    };
    dialog.onButton = [&] { dialog.hide(); };
    main.show();
    whenShown("SStufe", [](Form& f) {
        QTest::mouseClick(f.findChild<QPushButton*>("Command1"), Qt::LeftButton);
    });
    QTest::mouseClick(main.button, Qt::LeftButton);
    EXPECT_TRUE(afterModal);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.loads, 1);
}

TEST_F(FormsTest, EndInsideNestedModalFormsRunsNoFurtherCode)
{
    ProbeForm main("Form1"), outer("Protokoll"), inner("SStufe");
    bool afterOuter = false, afterInner = false, afterEnd = false;
    main.onButton = [&] {
        outer.showModal();
        afterOuter = true;
    };
    outer.onButton = [&] {
        inner.showModal();
        afterInner = true;
    };
    inner.onButton = [&] {
        End();
        afterEnd = true;
    };
    whenShown("Protokoll", [](Form& f) { f.findChild<QPushButton*>("Command1")->click(); });
    whenShown("SStufe", [](Form& f) { f.findChild<QPushButton*>("Command1")->click(); });
    main.show();
    QTest::mouseClick(main.button, Qt::LeftButton);
    EXPECT_TRUE(programEnded());
    EXPECT_FALSE(afterEnd);
    EXPECT_FALSE(afterInner);
    EXPECT_FALSE(afterOuter);
    EXPECT_FALSE(inner.isVisible());
    EXPECT_FALSE(outer.isVisible());
    EXPECT_EQ(main.unloads, 0);
}

TEST_F(FormsTest, AHandlerTakenWithOnEventThatCallsEndEndsTheProgramCleanly)
{
    ProbeForm form("Form1");
    std::vector<QString> seen;
    bool afterEnd = false;
    onEvent(form.text, &QLineEdit::textChanged, &form, [&](const QString& text) {
        seen.push_back(text);
        End();
        afterEnd = true;
    });
    form.show();
    QTimer::singleShot(0, form.text, [&] { QTest::keyClick(form.text, Qt::Key_X); });
    // Only a guard: End closes the main loop at once.
    QTimer::singleShot(20000, qApp, [] { QCoreApplication::exit(1); });
    EXPECT_EQ(static_cast<Application*>(qApp)->run(), 0);
    EXPECT_TRUE(programEnded());
    EXPECT_EQ(seen, std::vector<QString>{"X"});
    EXPECT_FALSE(afterEnd);
    EXPECT_FALSE(form.isVisible());
    // After End the handler does not start again.
    form.text->setText("Y");
    EXPECT_EQ(seen.size(), 1u);
}

TEST_F(FormsTest, OnlyTheProgramsOwnCodeCanCloseARefusingForm)
{
    ProbeForm form;
    form.refuseUserClose = true;
    form.show();
    form.close();
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(formLoaded("Probe"));
    form.unload();
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(formLoaded("Probe"));
    EXPECT_EQ(form.unloads, 1);
}

TEST_F(FormsTest, TheRegistryMatchesNamesExactly)
{
    ProbeForm form("Hintergrund");
    EXPECT_FALSE(formLoaded("Hintergrund"));
    form.load();
    EXPECT_TRUE(formLoaded("Hintergrund"));
    EXPECT_FALSE(formLoaded("hintergrund"));
}

TEST_F(FormsTest, TimersRunOnTheClockService)
{
    ProbeForm form;
    int ticks = 0;
    Timer* timer = form.addTimer("Timer1", 3300, [&] { ++ticks; });
    timer->setEnabled(true);
    clock->advance(3299);
    EXPECT_EQ(ticks, 0);
    clock->advance(1);
    EXPECT_EQ(ticks, 1);
    clock->advance(6600);
    EXPECT_EQ(ticks, 3);
    timer->setEnabled(false);
    clock->advance(10000);
    EXPECT_EQ(ticks, 3);
}

TEST_F(FormsTest, AClickableLabelRunsItsHandlerOnlyForAClickOnIt)
{
    ProbeForm form;
    std::vector<int> clicks;
    QLabel* first = form.addClickableLabel("Karte(1)", QRect(120, 1800, 1095, 1215), "", [&] { clicks.push_back(1); });
    QLabel* second = form.addClickableLabel("Karte(2)", QRect(1200, 1800, 1095, 1215), "", [&] { clicks.push_back(2); });
    form.show();
    QTest::mouseClick(second, Qt::LeftButton);
    QTest::mouseClick(first, Qt::LeftButton);
    QTest::mouseClick(first, Qt::RightButton);
    // Pressed on the label, released outside it: no click.
    QTest::mousePress(first, Qt::LeftButton);
    QTest::mouseRelease(first, Qt::LeftButton, {}, QPoint(first->width() + 5, 5));
    EXPECT_EQ(clicks, (std::vector<int>{2, 1}));
    form.addClickableLabel("Karte(3)", QRect(2400, 1800, 1095, 1215), "", [] { platform::End(); });
    QTest::mouseClick(form.findChild<QLabel*>("Karte(3)"), Qt::LeftButton);
    EXPECT_TRUE(programEnded());
    resetProgramEnded();
}

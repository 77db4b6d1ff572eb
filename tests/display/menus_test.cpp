// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/fixture.h"

#include "launcher/Form1.h"
#include "taskmanager/Form1.h"
#include "taskmanager/ManagerFile.h"

#include "platform/files.h"
#include "platform/forms/menubar.h"
#include "platform/services.h"

#include <QImage>
#include <QMenuBar>
#include <QTest>
#include <QToolButton>

using launcher::Form1;
using launcher::LauncherState;

namespace {

// The menu bar of a real window on the X server: every visible entry lies inside the window on
// a row that is drawn, and no overflow button stands in for hidden ones.
void expectWholeMenuBar(platform::Form& form)
{
    platform::MenuBar* bar = form.menuBar();
    ASSERT_TRUE(bar && bar->isVisible());
    ASSERT_GT(bar->height(), 0);
    const QImage picture = form.grab().toImage();
    for (QAction* entry : bar->findChildren<QAction*>()) {
        if (!bar->rowOf(entry) || !entry->isVisible())
            continue;
        const QRect place = bar->entryGeometry(entry).translated(bar->pos());
        EXPECT_TRUE(form.rect().contains(place)) << entry->text().toStdString();
        // The caption is drawn: dark pixels on the bar's light ground.
        int dark = 0;
        for (int y = place.top(); y <= place.bottom(); ++y)
            for (int x = place.left(); x <= place.right(); ++x)
                dark += qGray(picture.pixel(x, y)) < 100 ? 1 : 0;
        EXPECT_GT(dark, 10) << entry->text().toStdString();
    }
    for (QToolButton* overflow : form.findChildren<QToolButton*>("qt_menubar_ext_button"))
        EXPECT_FALSE(overflow->isVisible());
}

class OnScreenMenus : public testing_support::SuiteTest {};

} // namespace

TEST_F(OnScreenMenus, TheLaunchersF6ShowsTheWholeTeacherMenuAndOptionenOpensTheOptions)
{
    const auto n = [](int v) { return platform::formatNumber(v); };
    writeFile(programDir() + "/options4.ini", {n(0), n(0), n(-1), n(0), n(0), n(-1), n(0), n(1), n(0), n(0), n(1)});
    writeFile(programDir() + "/Protokoll_2/Namen.ini", {"Anna"});
    LauncherState state;
    state.CommandLine = "/n=\"Anna\"";
    // What the program's start does before its window loads.
    platform::enterProgramFolder();
    Form1 launcher(state);
    launcher.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&launcher));
    const int before = launcher.height();
    QTest::keyClick(&launcher, Qt::Key_F6);
    EXPECT_TRUE(QTest::qWaitFor([&] { return launcher.height() > before; }, 5000));
    expectWholeMenuBar(launcher);

    auto* menu = testing_support::control<QMenu>(launcher, "dasmenu");
    ASSERT_NE(menu, nullptr);
    auto* options = testing_support::control<QAction>(launcher, "M_Optionen");
    ASSERT_NE(options, nullptr);
    ASSERT_NO_FATAL_FAILURE(testing_support::clickMenuItem(launcher, menu, options));
    ASSERT_TRUE(QTest::qWaitFor([] { return platform::findForm("Form2") && platform::findForm("Form2")->isVisible(); },
                                5000));
    EXPECT_EQ(platform::findForm("Form2")->caption(), "Optionen");
}

TEST_F(OnScreenMenus, TheTaskManagersOptionenMenuStandsOnItsBar)
{
    writeFile(programDir() + "/Protokoll/Namen.ini", {"Anna"});
    writeFile(programDir() + "/options4.ini", {" 0 ", " 0 ", "-1 ", " 0 ", " 0 ", "-1 ", " 0 ", " 1 ", " 0 ", " 0 ", " 0 "});
    writeFile(programDir() + "/manager.ini", taskmanager::managerLines(taskmanager::ManagerSettings{}));
    taskmanager::TaskManagerState state;
    // What the program's start does before its window loads.
    platform::enterProgramFolder();
    taskmanager::Form1 manager(state);
    manager.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&manager));
    expectWholeMenuBar(manager);

    auto* options = testing_support::control<QMenu>(manager, "Einstell");
    ASSERT_NE(options, nullptr);
    EXPECT_EQ(options->title(), "Optionen");
    ASSERT_NO_FATAL_FAILURE(testing_support::openMenu(manager, options));
    EXPECT_EQ(options->actions().front()->text(), "Einstellungen");
    QTest::keyClick(options, Qt::Key_Escape);
}

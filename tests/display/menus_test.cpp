#include "fixture.h"

#include "launcher/Form1.h"
#include "taskmanager/Form1.h"
#include "taskmanager/ManagerFile.h"

#include "platform/files.h"
#include "platform/forms/menubar.h"

#include <QImage>
#include <QMenuBar>
#include <QTest>
#include <QToolButton>

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

// Opens a top-level menu with a click on its entry, as the teacher does.
QMenu* openMenu(platform::Form& form, QMenu* menu)
{
    platform::MenuBar* bar = form.menuBar();
    QMenuBar* row = bar->rowOf(menu->menuAction());
    if (!row)
        return nullptr;
    QTest::mouseClick(row, Qt::LeftButton, {}, row->actionGeometry(menu->menuAction()).center());
    return QTest::qWaitFor([&] { return menu->isVisible(); }, 5000) ? menu : nullptr;
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
    Form1 launcher(state);
    launcher.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&launcher));
    const int before = launcher.height();
    QTest::keyClick(&launcher, Qt::Key_F6);
    QTest::qWait(50);
    EXPECT_GT(launcher.height(), before);
    expectWholeMenuBar(launcher);

    QMenu* menu = openMenu(launcher, launcher.dasmenu);
    ASSERT_NE(menu, nullptr);
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(launcher.M_Optionen).center());
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
    taskmanager::Form1 manager(state);
    manager.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&manager));
    expectWholeMenuBar(manager);

    auto* options = manager.findChild<QMenu*>("Einstell");
    ASSERT_NE(options, nullptr);
    EXPECT_EQ(options->title(), "Optionen");
    ASSERT_NE(openMenu(manager, options), nullptr);
    EXPECT_EQ(options->actions().front()->text(), "Einstellungen");
    QTest::keyClick(options, Qt::Key_Escape);
}

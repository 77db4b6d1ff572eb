// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The suite's own help window: the page of a map id, links between pages, a missing page, and
// help opened from a modal dialog.
#include "tests/support/fixture.h"

#include "platform/forms/form.h"
#include "platform/help_window.h"
#include "platform/services.h"

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QWindow>

using testing_support::clickLink;
using testing_support::shownHelpTitle;
using testing_support::shownHelpWindow;

namespace {

class HelpWindowTest : public testing_support::SuiteTest {
protected:
    HelpWindowTest() { useRealHelp(); }

    void open(int mapId, const QString& helpFile = "Ratgebix.chm")
    {
        platform::services().help->open(programDir() + "/" + helpFile, mapId);
    }

    static int helpWindows()
    {
        int count = 0;
        for (QWidget* window : QApplication::topLevelWidgets())
            count += qobject_cast<platform::HelpWindow*>(window) ? 1 : 0;
        return count;
    }
};

TEST_F(HelpWindowTest, OpensAtThePageOfTheMapIdInOneWindowThatASecondCallReuses)
{
    open(99);
    platform::HelpWindow* window = shownHelpWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(shownHelpTitle(), "Tavoro – Hilfe zum Programmpaket");
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(window->browser()->toPlainText().contains("F6"));

    open(9);
    EXPECT_EQ(shownHelpWindow(), window);
    EXPECT_EQ(shownHelpTitle(), "Bogenblick – Silben erkennen");
    EXPECT_EQ(helpWindows(), 1);

    // Closed by its button, the window comes back at the next call, on top with the "_Top" file.
    QTest::mouseClick(window->closeButton(), Qt::LeftButton);
    EXPECT_EQ(shownHelpWindow(), nullptr);
    open(110, "Ratgebix_Top.chm");
    ASSERT_EQ(shownHelpWindow(), window);
    EXPECT_EQ(shownHelpTitle(), "Hilfe zu den Optionen");
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(helpWindows(), 1);
    EXPECT_TRUE(messages->shown.empty());
}

TEST_F(HelpWindowTest, ALinkLeadsToItsPageAndBackLeadsBack)
{
    open(4);
    platform::HelpWindow* window = shownHelpWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(window->backButton()->isEnabled());
    clickLink(window->browser(), "99.html");
    EXPECT_EQ(shownHelpTitle(), "Tavoro – Hilfe zum Programmpaket");
    clickLink(window->browser(), "110.html");
    EXPECT_EQ(shownHelpTitle(), "Hilfe zu den Optionen");
    ASSERT_TRUE(window->backButton()->isEnabled());
    QTest::mouseClick(window->backButton(), Qt::LeftButton);
    QTest::mouseClick(window->backButton(), Qt::LeftButton);
    EXPECT_EQ(shownHelpTitle(), "Baudrom: Buchstaben – Wörter bauen");
    EXPECT_FALSE(window->backButton()->isEnabled());

    // Help called anew starts at its page, with nothing to go back to.
    clickLink(window->browser(), "99.html");
    open(9);
    EXPECT_FALSE(window->backButton()->isEnabled());
    EXPECT_TRUE(messages->shown.empty());
}

TEST_F(HelpWindowTest, AMissingPageSaysSoInsteadOfShowingNothing)
{
    ASSERT_TRUE(QFile::remove(programDir() + "/help/7.html"));
    open(7);
    EXPECT_EQ(shownHelpWindow(), nullptr);
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_EQ(messages->shown[0].text, "Die Hilfe zu diesem Thema fehlt: Die Datei „" + programDir()
                                           + "/help/7.html“ wurde nicht gefunden.");
    EXPECT_EQ(messages->shown[0].icon, platform::MessageIcon::Warning);

    // A link to a page that is not there keeps the page and says which one is missing.
    writeBytes(programDir() + "/help/50.html",
               "<html><head><title>Seite</title></head><body><a href=\"51.html\">weiter</a></body></html>");
    open(50);
    clickLink(shownHelpWindow()->browser(), "51.html");
    EXPECT_EQ(shownHelpTitle(), "Seite");
    ASSERT_EQ(messages->shown.size(), 2u);
    EXPECT_TRUE(messages->shown[1].text.contains(programDir() + "/help/51.html")) << messages->shown[1].text.toStdString();
}

TEST_F(HelpWindowTest, OpenedFromAModalDialogItTakesInputThatTheDialogBlocksElsewhere)
{
    platform::Form main("Main");
    main.show();
    platform::Form dialog("Dialog");
    bool closedThroughItsWindow = false;
    testing_support::whenShown("Dialog", [&](platform::Form& shown) {
        open(110);
        platform::HelpWindow* window = shownHelpWindow();
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        // A click as the window system delivers it: a window the dialog blocks never gets it.
        QPushButton* close = window->closeButton();
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, close->mapTo(window, close->rect().center()));
        closedThroughItsWindow = !window->isVisible();
        shown.hide();
    });
    dialog.showModal();
    EXPECT_TRUE(closedThroughItsWindow);
}

} // namespace

// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/backdrop/BlackBack.h"

#include "tests/support/fixture.h"

#include "platform/forms/form.h"

#include <QWindow>

namespace {

class BlackBackTest : public testing_support::SuiteTest {
protected:
    BlackBackTest()
    {
        display->work = QRect(60, 0, 964, 768);   // the panel on the left
        mainWindow.show();
        earlierOwner.create();
        mainWindow.windowHandle()->setTransientParent(&earlierOwner);
    }
    QWindow* owner() const { return mainWindow.windowHandle()->transientParent(); }
    static platform::Form* backdrop() { return platform::findForm(QStringLiteral("Hintergrund")); }

    platform::Form mainWindow{QStringLiteral("Form1")};
    QWindow earlierOwner;
};

TEST_F(BlackBackTest, CoversTheWorkAreaOrTheScreenWithTheWindowInFront)
{
    for (const bool taskVisible : {true, false}) {
        BlackBack hg;
        hg.TaskVisible = taskVisible;
        hg.owner = QStringLiteral("Form1");
        hg.EnableBlack();
        ASSERT_TRUE(hg.Enabled());
        ASSERT_TRUE(backdrop());
        EXPECT_TRUE(backdrop()->isVisible());
        EXPECT_EQ(backdrop()->geometry(), taskVisible ? display->work : display->screenRect);
        EXPECT_EQ(owner(), backdrop()->windowHandle());
        // The user cannot close the backdrop by itself: neither by a close of the widget nor by
        // the close that the window system delivers for Alt+F4 or the close box.
        backdrop()->close();
        ASSERT_TRUE(backdrop());
        EXPECT_TRUE(backdrop()->isVisible());
        backdrop()->windowHandle()->close();
        ASSERT_TRUE(backdrop());
        EXPECT_TRUE(backdrop()->isVisible());
        EXPECT_EQ(owner(), backdrop()->windowHandle());
    }
    EXPECT_FALSE(backdrop());
    EXPECT_EQ(owner(), &earlierOwner);
}

TEST_F(BlackBackTest, TheOwnerComesBackBeforeTheBackdropGoes)
{
    QWindow* ownerWhenHidden = nullptr;
    {
        BlackBack hg;
        hg.owner = QStringLiteral("Form1");
        hg.EnableBlack();
        hg.EnableBlack();   // a second call must not save the backdrop as the old owner
        struct HideProbe : QObject {
            std::function<void()> onHide;
            bool eventFilter(QObject*, QEvent* event) override
            {
                if (event->type() == QEvent::Hide)
                    onHide();
                return false;
            }
        } probe;
        probe.onHide = [&] { ownerWhenHidden = owner(); };
        backdrop()->installEventFilter(&probe);
        hg.DisableBlack();
        EXPECT_FALSE(hg.Enabled());
    }
    EXPECT_EQ(ownerWhenHidden, &earlierOwner);
    EXPECT_EQ(owner(), &earlierOwner);
    EXPECT_FALSE(backdrop());
}

TEST_F(BlackBackTest, WithoutAnAttachedFormNothingIsTouched)
{
    {
        BlackBack unused;
        BlackBack noSuchForm;
        noSuchForm.owner = QStringLiteral("form1");
        noSuchForm.EnableBlack();
        EXPECT_FALSE(noSuchForm.Enabled());
        noSuchForm.DisableBlack();
    }
    EXPECT_FALSE(backdrop());
    EXPECT_EQ(owner(), &earlierOwner);
}

} // namespace

// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/ExerciseState.h"
#include "framework/Hintergrund.h"
#include "framework/SStufe.h"

#include "tests/support/fixture.h"

#include "platform/forms/twips.h"

#include <QCoreApplication>
#include <QTest>
#include <QWindow>

using testing_support::SuiteTest;
using testing_support::whenShown;

namespace {

class DialogsTest : public SuiteTest {
protected:
    template <class Dialog> QString pressLevel(int index)
    {
        Dialog dialog;
        dialog.load();
        dialog.Stufe.back()->show();
        whenShown(dialog.name(), [&](platform::Form&) {
            if (index < 0)
                dialog.close();
            else
                QTest::mouseClick(dialog.Stufe[static_cast<size_t>(index)], Qt::LeftButton);
        });
        dialog.showModal();
        return platform::tag(dialog.Stufe[0]);
    }
};

} // namespace

TEST_F(DialogsTest, LevelDialogReturnsThePressedIndex)
{
    EXPECT_EQ(pressLevel<SStufe>(1), QStringLiteral("1"));
    EXPECT_EQ(pressLevel<SStufe>(3), QStringLiteral("3"));
    EXPECT_EQ(pressLevel<SStufe2>(0), QStringLiteral("0"));
    EXPECT_EQ(pressLevel<SStufe2>(5), QStringLiteral("5"));
}

TEST_F(DialogsTest, LevelDialogClosedByItsCloseBoxLeavesTheTagEmpty)
{
    EXPECT_EQ(pressLevel<SStufe>(-1), QString());
}

TEST_F(DialogsTest, LevelDialogShowsTheTitleOnTopWithTheLastButtonHidden)
{
    QCoreApplication::setApplicationName(QStringLiteral("QL Plattix"));
    SStufe four;
    four.load();
    EXPECT_EQ(four.caption(), QStringLiteral("QL Plattix"));
    EXPECT_TRUE(four.windowFlags() & Qt::WindowStaysOnTopHint);
    ASSERT_EQ(four.Stufe.size(), 4u);
    EXPECT_TRUE(four.Stufe[3]->isHidden());
    EXPECT_FALSE(four.Stufe[2]->isHidden());
    SStufe2 six;
    ASSERT_EQ(six.Stufe.size(), 6u);
    EXPECT_TRUE(six.Stufe[5]->isHidden());
}

TEST_F(DialogsTest, LevelDialogIsCentredWithTheSizeItIsShownWith)
{
    SStufe dialog;
    dialog.load();
    dialog.setHeightTwips(dialog.heightTwips() + 840);
    dialog.show();
    const int screenTwips = platform::pixelsToTwips(display->screenRect.height());
    EXPECT_NEAR(dialog.topTwips(), (screenTwips - dialog.heightTwips()) / 2, 15);
    EXPECT_NEAR(dialog.leftTwips(),
                (platform::pixelsToTwips(display->screenRect.width()) - dialog.widthTwips()) / 2, 15);
}

TEST_F(DialogsTest, BackdropCoversTheWorkAreaOrTheScreen)
{
    display->work = QRect(60, 30, 964, 738);
    platform::Form mainWindow(QStringLiteral("Form1"));
    for (const bool tvis : {true, false}) {
        Hintergrund backdrop(tvis, mainWindow);
        backdrop.show();
        EXPECT_EQ(backdrop.geometry(), tvis ? display->work : display->screenRect) << tvis;
        backdrop.unload();
    }
}

TEST_F(DialogsTest, BackdropOwnsTheMainWindowAndRefusesAltF4)
{
    platform::Form mainWindow(QStringLiteral("Form1"));
    mainWindow.show();
    Hintergrund backdrop(false, mainWindow);
    backdrop.show();
    EXPECT_EQ(mainWindow.windowHandle()->transientParent(), backdrop.windowHandle());
    QTest::keyClick(&backdrop, Qt::Key_F4, Qt::AltModifier);
    backdrop.close();
    EXPECT_TRUE(backdrop.isVisible());
    EXPECT_TRUE(platform::formLoaded(QStringLiteral("Hintergrund")));
    backdrop.restoreOwner();
    EXPECT_EQ(mainWindow.windowHandle()->transientParent(), nullptr);
    backdrop.unload();
    EXPECT_FALSE(platform::formLoaded(QStringLiteral("Hintergrund")));
}

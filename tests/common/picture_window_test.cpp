// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/common/ExerciseForm.h"

#include "exercises/backdrop/BlackBack.h"
#include "tests/support/fixture.h"

#include "platform/forms/end.h"

#include <QDir>
#include <QTest>
#include <QWindow>

namespace {

// The smallest picture exercise: a next-task button "Command1", a solved mark and the backdrop
// through its controller.
class PictureProbe : public ExerciseForm {
public:
    explicit PictureProbe(ExerciseState& s)
        : ExerciseForm(s, {.program = QStringLiteral("pictureprobe"),
                           .appTitle = QStringLiteral("QL Probe"),
                           .logTitle = QStringLiteral("Probe"),
                           .helpMapId = 4,
                           .backdropController = true})
    {
        setGeometryTwips(0, 0, 9000, 5500);
        Richtig = addPicture(QStringLiteral("Richtig"), {6855, 1920, 1710, 1710});
        Richtig->hide();
        Command1 = addNextTaskButton(QStringLiteral("Command1"), {4920, 4080, 1815, 855});
        addEndButton({7080, 4200, 1815, 615});
    }
    QPushButton* Command1;
    int tasks = 0;

protected:
    void startExercise() override { Weiter(); }
    void nextTask() override { Weiter(); }

private:
    void Weiter()
    {
        ++tasks;
        state.TaskWrong = false;
        Richtig->hide();
    }
};

class PictureWindowTest : public testing_support::SuiteTest {
protected:
    PictureWindowTest() { addProgram("startomo"); }
    PictureProbe& start(const SuiteOptions& o, const QString& arguments)
    {
        writeFile(programDir() + "/options4.ini", suiteOptionLines(o));
        processes->arguments = arguments;
        form = std::make_unique<PictureProbe>(state);
        form->show();
        return *form;
    }
    ExerciseState state;
    std::unique_ptr<PictureProbe> form;
};

TEST_F(PictureWindowTest, TheBackdropControllerHoldsTheBackdropUntilTheWindowCloses)
{
    display->work = QRect(60, 0, 964, 768);
    SuiteOptions o;
    o.HGrund = -1;
    o.TVis = -1;
    PictureProbe& f = start(o, "Q");
    ASSERT_TRUE(f.HG);
    EXPECT_TRUE(f.HG->Enabled());
    platform::Form* backdrop = platform::findForm("Hintergrund");
    ASSERT_TRUE(backdrop);
    EXPECT_EQ(backdrop->geometry(), display->work);
    EXPECT_EQ(f.windowHandle()->transientParent(), backdrop->windowHandle());
    backdrop->close();
    EXPECT_TRUE(platform::formLoaded("Hintergrund"));

    const QStringList tempBefore = QDir(paths->temp).entryList(QDir::Files);
    EXPECT_TRUE(f.close());
    EXPECT_FALSE(platform::formLoaded("Hintergrund"));
    EXPECT_EQ(f.windowHandle()->transientParent(), nullptr);
    EXPECT_EQ(processes->commandLines(), QStringList{programDir() + "/startomo.exe"});
    EXPECT_EQ(QDir(paths->temp).entryList(QDir::Files), tempBefore);
    EXPECT_TRUE(tempBefore.isEmpty());
}

TEST_F(PictureWindowTest, WithoutOption1ThereIsNoBackdrop)
{
    PictureProbe& f = start(SuiteOptions(), "Q");
    EXPECT_FALSE(f.HG);
    EXPECT_FALSE(platform::formLoaded("Hintergrund"));
}

TEST_F(PictureWindowTest, Command1RunsTheCommonNextTaskRuleAndF6MovesTheHeightBy270)
{
    PictureProbe& f = start(SuiteOptions(), "Q");
    ASSERT_EQ(f.tasks, 1);
    QTest::mouseClick(f.Command1, Qt::LeftButton);
    EXPECT_EQ(f.tasks, 1);
    f.Richtig->show();
    QTest::mouseClick(f.Command1, Qt::LeftButton);
    EXPECT_EQ(f.tasks, 2);
    EXPECT_EQ(state.TasksDone, 1);

    const int height = f.heightTwips();
    QTest::keyClick(&f, Qt::Key_F6);
    EXPECT_EQ(f.heightTwips(), height + 270);
    EXPECT_TRUE(f.WFehler->isVisible());
    QTest::keyClick(&f, Qt::Key_F6);
    EXPECT_EQ(f.heightTwips(), height);
    EXPECT_FALSE(f.menuBarVisible());
}

} // namespace

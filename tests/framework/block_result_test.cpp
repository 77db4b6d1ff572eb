// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/ExerciseState.h"
#include "framework/Protokoll.h"

#include "tests/support/fixture.h"
#include "platform/forms/end.h"

#include <QCoreApplication>
#include <QDir>
#include <QTest>

using testing_support::SuiteTest;
using testing_support::whenShown;

namespace {

class BlockResultTest : public SuiteTest {
protected:
    BlockResultTest() : mainWindow(QStringLiteral("Form1"))
    {
        QCoreApplication::setApplicationName(QStringLiteral("QL Fugolin"));
        state.DataDir = dataDir();
        QDir().mkpath(dataDir());
        mainWindow.load();
    }
    QString recordFile() const { return dataDir() + QStringLiteral("/Protokoll.txt"); }

    // What the exercise does after the tenth task; `act` runs while the dialog is shown.
    void showBlock(int wrong, const std::function<void(Protokoll&)>& act, int total = 10)
    {
        Protokoll block(state, mainWindow);
        block.load();
        block.GesamteA = total;
        block.FalscheA = wrong;
        block.RichtigeA = total - wrong;
        block.ProtokollInit();
        if (state.TaskMode)
            block.Weiter->hide();
        whenShown(QStringLiteral("Protokoll"), [&](platform::Form&) { act(block); });
        try {
            block.showModal();
        } catch (const platform::ProgramEnded&) {
        }
    }
    static int visibleMarks(const std::vector<QLabel*>& marks)
    {
        return static_cast<int>(std::count_if(marks.begin(), marks.end(),
                                              [](QLabel* mark) { return mark->isVisible(); }));
    }

    ExerciseState state;
    platform::Form mainWindow;
};

struct ButtonCase {
    bool taskMode;
    int allowedErrors;
    int wrong;
    bool weiter, wiederholen, ende;
};

} // namespace

TEST_F(BlockResultTest, ShowsTheButtonsOfEachSituation)
{
    const ButtonCase cases[] = {
        {false, 0, 0, true, false, true},   // no assignment, no error
        {false, 0, 2, false, true, false},  // no assignment, errors
        {true, 3, 3, false, false, true},   // assignment within the limit
        {true, 3, 4, false, true, false},   // assignment above the limit
        {true, 99, 10, false, false, true},
    };
    for (const ButtonCase& c : cases) {
        state.TaskMode = c.taskMode;
        state.AllowedErrors = c.allowedErrors;
        showBlock(c.wrong, [&](Protokoll& block) {
            EXPECT_EQ(block.Weiter->isVisible(), c.weiter) << c.wrong;
            EXPECT_EQ(block.Wiederholen->isVisible(), c.wiederholen) << c.wrong;
            EXPECT_EQ(block.Ende->isVisible(), c.ende) << c.wrong;
            block.unload();
        });
    }
}

// Ending the program closes every later modal loop too, so this test ends with it.
TEST_F(BlockResultTest, EndeUnloadsTheMainWindowAndEndsTheProgram)
{
    bool mainUnloaded = false;
    showBlock(0, [&](Protokoll& block) {
        QTest::mouseClick(block.Ende, Qt::LeftButton);
        mainUnloaded = !mainWindow.loaded();
    });
    EXPECT_TRUE(mainUnloaded);
    EXPECT_TRUE(platform::programEnded());
}

TEST_F(BlockResultTest, ShowsMarksAndCountsAndResetsTheCounters)
{
    state.TasksDone = 10;
    state.WrongFirst = 3;
    showBlock(3, [&](Protokoll& block) {
        EXPECT_EQ(block.Anzeige->text(), QStringLiteral("von 10 Aufgaben"));
        EXPECT_EQ(visibleMarks(block.ARichtig), 7);
        EXPECT_EQ(visibleMarks(block.AFalsch), 3);
        EXPECT_EQ(block.Richtig->text(), QStringLiteral("7"));
        EXPECT_EQ(block.Falsch->text(), QStringLiteral("3"));
        QTest::mouseClick(block.Wiederholen, Qt::LeftButton);
    });
    EXPECT_EQ(state.TasksDone, 0);
    EXPECT_EQ(state.WrongFirst, 0);
    EXPECT_FALSE(QFileInfo::exists(recordFile()));

    state.TasksDone = 10;
    showBlock(0, [&](Protokoll& block) {
        EXPECT_EQ(visibleMarks(block.ARichtig), 10);
        EXPECT_EQ(visibleMarks(block.AFalsch), 0);
        QTest::mouseClick(block.Weiter, Qt::LeftButton);
    });
    EXPECT_EQ(state.TasksDone, 0);
}

TEST_F(BlockResultTest, NeverShowsMoreThanTenMarks)
{
    state.AllowedErrors = 99;
    showBlock(-3, [&](Protokoll& block) {
        EXPECT_EQ(visibleMarks(block.ARichtig), 10);
        EXPECT_EQ(visibleMarks(block.AFalsch), 0);
        EXPECT_EQ(block.Richtig->text(), QStringLiteral("13"));
        block.unload();
    });
}

TEST_F(BlockResultTest, RefusesClosesByTheWindow)
{
    state.TasksDone = 10;
    state.WrongFirst = 1;
    showBlock(1, [&](Protokoll& block) {
        block.close();
        EXPECT_TRUE(block.isVisible());
        QTest::mouseClick(block.Wiederholen, Qt::LeftButton);
    });
    EXPECT_EQ(state.TasksDone, 0);
}

TEST_F(BlockResultTest, AppendsBlockRecordsInAnAssignment)
{
    state.TaskMode = true;
    state.AllowedErrors = 5;
    showBlock(2, [](Protokoll& block) { block.unload(); });
    clock->current = clock->current.addSecs(65);
    showBlock(7, [](Protokoll& block) { QTest::mouseClick(block.Wiederholen, Qt::LeftButton); });
    EXPECT_EQ(readBytes(recordFile()),
              QByteArray("Programm QL Fugolin; Protokoll erstellt am 10.12.2026 09:30:00.\r\n"
                         "Von 10 Aufgaben wurden\r\n"
                         "8 Aufgabe(n) auf Anhieb richtig und\r\n"
                         "2 Aufgabe(n) beim ersten Mal falsch gel\xF6st.\r\n"
                         "\r\n"
                         "Programm QL Fugolin; Protokoll erstellt am 10.12.2026 09:31:05.\r\n"
                         "Von 10 Aufgaben wurden\r\n"
                         "3 Aufgabe(n) auf Anhieb richtig und\r\n"
                         "7 Aufgabe(n) beim ersten Mal falsch gel\xF6st.\r\n"
                         "\r\n"));
}

TEST_F(BlockResultTest, AbortRecordEndsWithTerminationBySupervisor)
{
    writeBytes(recordFile(), "vorher\r\n");
    state.TasksDone = 4;
    state.WrongFirst = 1;
    Protokoll block(state, mainWindow);
    block.load();
    block.ProtokollExit();
    EXPECT_EQ(readBytes(recordFile()),
              QByteArray("vorher\r\n"
                         "Programm QL Fugolin; Protokoll erstellt am 10.12.2026 09:30:00.\r\n"
                         "Das Programm wurde vorzeitig abgebrochen.\r\n"
                         "Es wurden nur 4 Aufgabe(n) abgearbeitet. Davon wurden\r\n"
                         "3 Aufgabe(n) auf Anhieb richtig und\r\n"
                         "1 Aufgabe(n) beim ersten Mal falsch gel\xF6st.\r\n"
                         "\r\n"
                         "termination by supervisor\r\n"));
}

TEST_F(BlockResultTest, UnwritableRecordFileIsToldAndTheExerciseGoesOn)
{
    state.DataDir = root.path() + QStringLiteral("/missing/folder");
    state.TaskMode = true;
    state.AllowedErrors = 0;
    showBlock(0, [](Protokoll& block) { QTest::mouseClick(block.Ende, Qt::LeftButton); });
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_TRUE(messages->shown[0].text.contains(QStringLiteral("Protokoll.txt")));
}

TEST_F(BlockResultTest, StaysOnTopOnlyForTheLauncherWithoutBackdrop)
{
    struct Case {
        const char* commandLine;
        int hGrund, hGrundStart, tVis;
        bool topmost;
    };
    const Case cases[] = {{"Q", 0, -1, 0, true},  {"", 0, -1, 0, false}, {"Q", -1, -1, 0, false},
                          {"Q", 0, -1, -1, false}, {"Q", 0, 0, 0, false}};
    for (const Case& c : cases) {
        state.CommandLine = QString::fromLatin1(c.commandLine);
        state.options.HGrund = c.hGrund;
        state.options.HGrundStart = c.hGrundStart;
        state.options.TVis = c.tVis;
        Protokoll block(state, mainWindow);
        block.load();
        EXPECT_EQ(bool(block.windowFlags() & Qt::WindowStaysOnTopHint), c.topmost) << c.commandLine;
    }
}

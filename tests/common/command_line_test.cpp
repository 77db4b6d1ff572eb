// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/common/ExerciseCommandLine.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* line;
    bool launcher;
    bool task;
    int allowed;
    const char* pupil;
    const char* log;
};

class CommandLineTable : public ::testing::TestWithParam<Case> {};

TEST_P(CommandLineTable, ReadsSwitchesAndAssignment)
{
    const Case c = GetParam();
    const ExerciseCommandLine line = parseExerciseCommandLine(QString::fromUtf8(c.line));
    EXPECT_EQ(line.launcherStarted, c.launcher);
    EXPECT_EQ(line.taskMode, c.task);
    EXPECT_EQ(line.allowedErrors, c.allowed);
    EXPECT_EQ(line.pupilName, QString::fromUtf8(c.pupil));
    EXPECT_EQ(line.logPath, QString::fromUtf8(c.log));
}

INSTANTIATE_TEST_SUITE_P(
    Lines, CommandLineTable,
    ::testing::Values(
        Case{"", false, false, 0, "", ""},
        Case{"Q", true, false, 0, "", ""},
        Case{"Q05A", true, true, 5, "", ""},
        Case{"Q03A", true, true, 3, "", ""},
        Case{"Q99A", true, true, 99, "", ""},
        Case{"Q 7A", true, true, 7, "", ""},
        Case{"QxyA", true, true, 0, "", ""},
        Case{"5A", false, true, 5, "", ""},
        Case{"A", false, true, 0, "", ""},
        // A negative limit can never be met: it means no repetition.
        Case{"Q-3A", true, true, 99, "", ""},
        Case{"Q /p=\"/data/Tavoro\" /n=\"Anna Lena\"", true, false, 0, "Anna Lena", "/data/Tavoro"},
        Case{"x /n=\"Tom\" /p=\"/d\"", false, false, 0, "Tom", "/d"},
        // Without its closing quote a value counts as absent.
        Case{"Q /p=\"/data /n=\"Tom", true, false, 0, "", "/data /n="},
        Case{"Q /n=\"Tom", true, false, 0, "", ""},
        // A name that is not a plain file name counts as absent.
        Case{"Q /p=\"/d\" /n=\"../../etc/x\"", true, false, 0, "", "/d"},
        Case{"Q /p=\"/d\" /n=\"Jörg\"", true, false, 0, "", "/d"},
        Case{"Q /N=\"Tom\"", true, false, 0, "", ""}));

} // namespace

// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/syllable_marking/MarkingTask.h"

#include <QStringList>

#include <gtest/gtest.h>

using syllable_marking::MarkingTask;
using syllable_marking::SyllableWord;

// A wrong text as long as the word takes no further letter; only the whole word ends writing.
TEST(MarkingTask, WritingStopsAtTheWordsLengthAndOnlyTheWholeWordEndsIt)
{
    MarkingTask task;
    task.start(SyllableWord(QStringLiteral("Haus")));
    task.startMarking();
    ASSERT_TRUE(task.click(0, 0)) << "a word of one syllable has no boundary to mark";
    task.startWriting();
    for (const QString& letter : QStringList{"H", "a", "u", "z", "s"})
        task.write(letter);
    EXPECT_EQ(task.shown(), "Hauz");
    EXPECT_FALSE(task.writtenMatches());
    EXPECT_TRUE(task.Tippen);
    task.eraseLast();
    task.write(QStringLiteral("s"));
    EXPECT_TRUE(task.writtenWhole());
    EXPECT_FALSE(task.Tippen);
}

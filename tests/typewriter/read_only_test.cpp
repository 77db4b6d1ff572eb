// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The typewriter in a locked-down profile: the data folder as the launcher's first start left
// it, bound read-only.
#include "tests/typewriter/typewriter_fixture.h"

#include "tests/support/read_only_folder.h"

#include "platform/forms/end.h"

#include <QDir>

namespace {

class TypewriterReadOnlyTest : public TypewriterTest {
protected:
    TypewriterReadOnlyTest()
    {
        QDir().mkpath(dataDir());
        for (const char* name : {"/options4.ini", "/options4.bak"})
            QFile::copy(programDir() + "/options4.ini", dataDir() + name);
    }
};

// The start saves the help mode again; the refusal is retried as a file in use and then
// reported as a change not saved: the child goes on with the mode read.
TEST_F(TypewriterReadOnlyTest, TheHelpModeThatCannotBeSavedAgainLetsTheTypewriterGoOn)
{
    writeBytes(dataDir() + "/options2.ini", " 2 \r\n");
    const testing_support::ReadOnlyFolder readOnly(dataDir());
    if (!readOnly.mounted())
        GTEST_SKIP() << "binding a folder read-only is not permitted here";
    start("Q");
    EXPECT_FALSE(platform::programEnded());
    EXPECT_EQ(messages->texts(), QStringList{"Ich konnte die Änderung nicht speichern!"});
    EXPECT_EQ(clock->sleeps, std::vector<int>({500, 1000, 1500}));
    EXPECT_TRUE(form->Command1->isHidden());
    EXPECT_EQ(readBytes(dataDir() + "/options2.ini"), " 2 \r\n");
}

// Without its settings file the start cannot go on; the message says why it cannot be made.
TEST_F(TypewriterReadOnlyTest, AHelpModeFileThatCannotBeMadeIsNamedWithTheReason)
{
    const testing_support::ReadOnlyFolder readOnly(dataDir());
    if (!readOnly.mounted())
        GTEST_SKIP() << "binding a folder read-only is not permitted here";
    start("Q");
    EXPECT_TRUE(platform::programEnded());
    EXPECT_EQ(messages->texts(), QStringList{"Die Datei " + dataDir() + "/options2.ini kann nicht gespeichert "
                                             "werden, weil der Ordner " + dataDir() + " schreibgeschützt ist."});
}

} // namespace

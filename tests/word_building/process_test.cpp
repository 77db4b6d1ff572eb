// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/word_building/word_building_fixture.h"

#include "exercises/word_building/LetterWords.h"

#include <QProcess>
#include <QTest>

using word_building::Form1;
using word_building::LetterWords;

namespace {

class WordBuildingProcessTest : public WordBuildingTest {
protected:
    WordBuildingProcessTest() : WordBuildingTest(std::make_unique<LetterWords>(), "EigeneBilder/Baudrom/Buchstaben") {}
};

TEST_F(WordBuildingProcessTest, EndingStartsTheRealLauncherWithThePupilsName)
{
    Form1& f = start(launchedForPupil("Anna"));
    click(f.Ende);
    EXPECT_EQ(startedLauncher(), QStringList{"/n=\"Anna\""});
}

} // namespace

namespace {

// Started from a folder that is not the program folder, a second copy of the syllable program
// ends at once, while a running letter program does not keep it from starting.
TEST_F(WordBuildingProcessTest, ASecondCopyEndsAtOnceButTheOtherWordBuildingProgramDoesNotCount)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_DATA_HOME", appDataDir());
    env.insert("TMPDIR", paths->temp);
    QProcess letters, first, second;
    for (QProcess* p : {&letters, &first, &second}) {
        p->setProcessEnvironment(env);
        p->setWorkingDirectory(appDataDir());
    }
    letters.start(TAVORO_SUITE_DIR "/baudrom", {"Q"});
    ASSERT_TRUE(letters.waitForStarted());
    first.start(TAVORO_SUITE_DIR "/baudromsilben", {"Q"});
    ASSERT_TRUE(first.waitForStarted());
    // Both have passed their single-instance check and wait at their level dialogs.
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return testing_support::holdsInstanceLock(letters.processId(), "baudrom")
               && testing_support::holdsInstanceLock(first.processId(), "baudromsilben");
    }, 30000));
    second.start(TAVORO_SUITE_DIR "/baudromsilben", {"Q"});
    EXPECT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(first.state(), QProcess::Running);
    EXPECT_EQ(letters.state(), QProcess::Running);
    for (QProcess* p : {&letters, &first}) {
        p->kill();
        p->waitForFinished();
    }
}

} // namespace

// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The real syllable riddle on a private X server, started as the launcher starts it from a
// folder that is not the program folder, driven by real clicks; its end starts the real launcher.
#include "tests/support/fixture.h"
#include "tests/support/xserver.h"

#include "exercises/syllable_riddle/SyllableRiddle.h"

#include "platform/files.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

using syllable_riddle::SyllableRiddle;

namespace {

using testing_support::PrivateXServer;
using testing_support::twipsCentre;

constexpr int kTops[] = {120, 1650, 3180, 4710};

class RiddleDisplayTest : public testing_support::SuiteTest {
protected:
    RiddleDisplayTest()
    {
        for (const char* program : {"rateflor", "startomo"})
            copyFromSuite(program);
        // Logging under names on, no backdrop, the launcher restarted at the end.
        QStringList options(11, platform::formatNumber(0));
        options[10] = platform::formatNumber(1);
        writeOptionFiles(options);
        QDir().mkpath(dataDir() + "/Protokoll_2");
    }

    QStringList taskLines() const
    {
        return platform::readTextFile(dataDir() + "/Protokoll_2/Max.txt").lines.filter("Die Aufgabe");
    }
};

TEST_F(RiddleDisplayTest, RealClicksJoinAWordAndTheEndStartsTheRealLauncher)
{
    PrivateXServer x;
    ASSERT_TRUE(x.running());
    QProcess rateflor;
    startProgram(rateflor, "rateflor", {QString("Q /p=\"%1\" /n=\"Max\"").arg(dataDir())}, x.environment());
    const qulonglong window = x.waitForWindow("QL Rateflor ;   <F6> für Lehrermenü");
    ASSERT_NE(window, 0u);

    // The first syllable at the top, then every second syllable and every picture: the wrong
    // ones are refused, the right ones join the word, which is logged once.
    x.click(window, twipsCentre(240, kTops[0], 2100, 1530));
    for (const int top : kTops)
        x.click(window, twipsCentre(2760, top, 2100, 1530));
    for (const int top : kTops)
        x.click(window, twipsCentre(5520, top, 1800, 1530));
    ASSERT_TRUE(QTest::qWaitFor([&] { return taskLines().size() == 1; }, 10000));
    QStringList words;
    for (const SyllableRiddle::Word& word : SyllableRiddle::table())
        words << word.joined();
    const QString line = taskLines().first();
    const QString word = line.section('"', 1, 1);
    EXPECT_TRUE(words.contains(word)) << line.toStdString();
    EXPECT_TRUE(line.endsWith("wurde beim ersten Versuch falsch gelöst.")
                || line.endsWith("wurde beim ersten Versuch richtig gelöst."))
        << line.toStdString();

    x.click(window, twipsCentre(7560, 5280, 1575, 735));
    ASSERT_TRUE(rateflor.waitForFinished(10000));
    EXPECT_EQ(rateflor.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(startedLauncher(), QStringList{"/n=\"Max\""});
}

} // namespace

// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The real launcher started from a folder that is not the program folder, on a private X server:
// the exercise it starts still finds its word pictures and its table picture.
#include "tests/launcher/end_to_end_fixture.h"

#include "tests/support/xserver.h"

#include <QProcess>

#include <csignal>

namespace {

using testing_support::PrivateXServer;
using testing_support::colourCount;
using testing_support::twipsCentre;

TEST_F(EndToEndTest, AnExerciseStartedThroughTheLauncherFromAnotherFolderShowsAndPrintsItsPictures)
{
    PrivateXServer x;
    ASSERT_TRUE(x.running());
    QProcess startomo;
    const qulonglong launcher = startLauncherOnScreen(x, startomo);
    ASSERT_NE(launcher, 0u);
    x.click(launcher, twipsCentre(2400, 960, 2055, 1455));   // "Tastomat"
    ASSERT_TRUE(startomo.waitForFinished(10000));

    qint64 pid = 0;
    ASSERT_TRUE(QTest::qWaitFor([&] { return (pid = findProcess("tastomat", dataDir())) != 0; }, 10000));
    // A machine busy with other tests may take its time.
    const qulonglong level = x.waitForWindow("QL Tastomat", 60000);
    ASSERT_NE(level, 0u) << "tastomat still running: " << QFileInfo::exists(QStringLiteral("/proc/%1").arg(pid));
    EXPECT_EQ(QFileInfo(QStringLiteral("/proc/%1/cwd").arg(pid)).symLinkTarget(), QStringLiteral(TAVORO_SUITE_DIR));
    x.click(level, twipsCentre(360, 1125, 5775, 675));   // "kurze Wörter"
    const qulonglong window = x.waitForWindow("QL Tastomat ;   <F6> für Lehrermenü", 60000);
    ASSERT_NE(window, 0u);

    // The word's picture fills the picture box: far more than the few colours of an empty box.
    const QRect pictureBox(240 / 15 + 5, 3480 / 15 + 5, 1650 / 15 - 10, 1650 / 15 - 10);
    EXPECT_TRUE(QTest::qWaitFor([&] { return colourCount(x.grab(window), pictureBox) > 20; }, 10000));

    // Teacher menu, "Anlauttabelle drucken", then "OK" in the print dialog.
    x.key(window, {"F6", "alt+m"});
    ASSERT_NE(x.waitForMenu(), 0u);
    x.key(0, {"a", "Return"});   // "&Alle Wörter" shares the "A": it only selects
    const qulonglong print = x.waitForWindow("Drucken", 60000);
    ASSERT_NE(print, 0u);
    x.click(print, twipsCentre(360, 3480, 1935, 375));
    // A PDF with the table picture in it, not an empty page.
    EXPECT_TRUE(QTest::qWaitFor([&] {
        const QFileInfoList pdfs = QDir(dataDir() + "/Ausdrucke").entryInfoList({"*.pdf"}, QDir::Files);
        return pdfs.size() == 1 && pdfs.first().size() > 10000;
    }, 10000));
    ::kill(static_cast<pid_t>(pid), SIGKILL);
}

} // namespace

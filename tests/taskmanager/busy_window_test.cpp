// The real task manager on a private X server: a teacher's clicks while a set's program runs
// are dropped, not carried out once it has ended.
#include "taskmanager_fixture.h"

#include "xserver.h"

#include <QFile>
#include <QProcess>
#include <QTest>

namespace {

using taskmanager::ManagerSettings;
using testing_support::PrivateXServer;

// "Los geht's" (405, 240, 2655, 1215 twips), in pixels below a menu bar of one row or two.
const QPoint kLosGehts((405 + 2655 / 2) / 15, (240 + 1215 / 2) / 15 + 20);

class BusyWindowTest : public TaskManagerTest {
protected:
    BusyWindowTest()
    {
        copyFromSuite("Pensumo");
        makeExecutable(programDir() + "/Pensumo");
        // The set's one program: notes its start, then runs until the test lets the run end
        // (a file "go<n>" for its n-th start), so the clicks surely fall into the run; at most
        // half a minute, should the test have failed.
        writeBytes(programDir() + "/tastomat",
                   "#!/bin/sh\n"
                   "dir=$(dirname \"$0\")\n"
                   "echo \"$1\" >> \"$dir/runs\"\n"
                   "n=$(wc -l < \"$dir/runs\")\n"
                   "i=0\n"
                   "while [ ! -e \"$dir/go$n\" ] && [ $i -lt 600 ]; do sleep 0.05; i=$((i + 1)); done\n");
        makeExecutable(programDir() + "/tastomat");
        ManagerSettings s;
        s.sets[0] = {"Schreiben", {2, 0, 0, 0, 0}};
        writeManager(s);
    }

    static void makeExecutable(const QString& path)
    {
        QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner);
    }
    QStringList runs() const { return QString::fromLatin1(readBytes(programDir() + "/runs")).split('\n', Qt::SkipEmptyParts); }
    void endRun(int n) const { writeBytes(programDir() + QString("/go%1").arg(n), {}); }
    // The results file lives from a run's start to its end.
    bool runEnded() const { return !QFile::exists(resultsFile()); }
    // Clicks "Los geht's" until the set has started `count` times: on a busy machine a window
    // just shown may still be moving into its place when the first click falls.
    bool clickUntilRuns(const PrivateXServer& x, qulonglong window, int count) const
    {
        for (int attempt = 0; attempt < 5; ++attempt) {
            x.click(window, kLosGehts);
            if (QTest::qWaitFor([&] { return runs().size() >= count; }, 3000))
                return true;
        }
        return false;
    }
};

TEST_F(BusyWindowTest, ClicksOnLosGehtsWhileASetRunsStartNothingAfterIt)
{
    PrivateXServer x;
    ASSERT_TRUE(x.running());
    QProcess pensumo;
    startProgram(pensumo, "Pensumo", {}, x.environment());
    const qulonglong window = x.waitForWindow("QL Pensumo");
    ASSERT_NE(window, 0u);

    ASSERT_TRUE(clickUntilRuns(x, window, 1));
    EXPECT_EQ(runs(), QStringList{"Q99A"});
    x.click(window, kLosGehts);
    x.click(window, kLosGehts);
    // The program runs on a little after the clicks, as a teacher's impatient clicks fall.
    QTest::qWait(500);
    endRun(1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return runEnded(); }, 10000));

    // A click now reaches the button: it starts the set again. Clicks held back during the first
    // run would have come before it, so they would have started runs of their own by its end.
    ASSERT_TRUE(clickUntilRuns(x, window, 2));
    for (int n = 2; n <= 4; ++n)
        endRun(n);
    EXPECT_TRUE(QTest::qWaitFor([&] { return runEnded(); }, 10000));
    EXPECT_FALSE(QTest::qWaitFor([&] { return runs().size() > 2; }, 1000));
    EXPECT_EQ(runs().size(), 2);
    pensumo.kill();
    pensumo.waitForFinished();
}

} // namespace

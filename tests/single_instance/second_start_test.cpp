// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A second start of a program that already runs on the same data folder: the first copy stays
// the only one, whatever spelling of the folder the second was given, and the window it waits
// in stays in front.
#include "tests/support/fixture.h"
#include "tests/support/xserver.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTest>

namespace {

using testing_support::PrivateXServer;
using testing_support::twipsCentre;

const QString kProgram = QStringLiteral(TAVORO_SUITE_DIR "/tastomat");

class SecondStartTest : public testing_support::SuiteTest {
protected:
    SecondStartTest() { QDir().mkpath(runtimeDir()); }
    ~SecondStartTest() override
    {
        for (QProcess* p : {&first, &second})
            if (p->state() != QProcess::NotRunning) {
                p->kill();
                p->waitForFinished();
            }
    }

    QString runtimeDir() const { return root.path() + QStringLiteral("/runtime"); }
    QStringList scratchFiles() const { return QDir(paths->temp).entryList({QStringLiteral("QLS*")}, QDir::Files); }

    // Started as the launcher starts it, from a folder that is not the program folder.
    void start(QProcess& copy, const QString& dataHome, QProcessEnvironment env) const
    {
        env.insert(QStringLiteral("XDG_DATA_HOME"), dataHome);
        env.insert(QStringLiteral("TMPDIR"), paths->temp);
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir());
        copy.setProcessEnvironment(env);
        copy.setWorkingDirectory(root.path());
        copy.start(kProgram, {QStringLiteral("Q")});
    }

    static QProcessEnvironment offscreen()
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        return env;
    }

    QProcess first;
    QProcess second;
};

// Every spelling of the one data folder: the second copy ends at once and touches nothing.
TEST_F(SecondStartTest, EverySpellingOfTheDataFolderIsTheSameFolder)
{
    const QString folder = appDataDir();
    ASSERT_TRUE(QFile::link(folder, root.path() + QStringLiteral("/link")));
    start(first, folder, offscreen());
    ASSERT_TRUE(QTest::qWaitFor([&] { return scratchFiles().size() == 1; }, 10000));
    const QStringList spellings{folder + QStringLiteral("/"), folder + QStringLiteral("//"),
                                folder + QStringLiteral("/./"), folder + QStringLiteral("/../appdata"),
                                root.path() + QStringLiteral("/link")};
    for (const QString& spelling : spellings) {
        QElapsedTimer took;
        took.start();
        start(second, spelling, offscreen());
        EXPECT_TRUE(second.waitForFinished(5000)) << spelling.toStdString();
        EXPECT_LT(took.elapsed(), 5000) << spelling.toStdString();
        EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(second.exitCode(), 0);
        EXPECT_EQ(scratchFiles().size(), 1) << spelling.toStdString();
        if (second.state() != QProcess::NotRunning) {
            second.kill();
            second.waitForFinished();
        }
    }
    EXPECT_EQ(first.state(), QProcess::Running);
}

// A second start while the first copy still asks for the level: the level dialog stays the
// window in front, and the pupil's click on it is taken.
TEST_F(SecondStartTest, TheLevelDialogStaysInFrontOfTheWindowItWaitsFor)
{
    PrivateXServer x;
    ASSERT_TRUE(x.running());
    start(first, appDataDir(), x.environment());
    const qulonglong dialog = x.waitForWindow(QStringLiteral("QL Tastomat"));
    ASSERT_NE(dialog, 0u);
    start(second, appDataDir(), x.environment());
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitCode(), 0);

    x.click(dialog, twipsCentre(360, 1125, 5775, 675));
    EXPECT_NE(x.waitForWindow(QStringLiteral("QL Tastomat ;   <F6> für Lehrermenü")), 0u);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !x.visibleWindows().contains(dialog); }, 10000));
}

} // namespace

// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tests/support/fixture.h"
#include "tests/support/xserver.h"

#include "platform/files.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

inline const QString kLauncher = QString::fromUtf8("QL Tavoro ;   <F6> für Lehrermenü");
inline const QString kBackdrop = "Hintergrund";
inline const QRect kScreen(0, 0, 1920, 1080);

// The real launcher of the built program folder on a wide screen, started from a folder of the
// test's own with a data folder of its own.
class OnScreenLauncher : public testing_support::SuiteTest {
protected:
    explicit OnScreenLauncher(testing_support::PrivateXServer::WindowManager manager = {})
        : server({1920, 1080}, manager)
    {
        QDir().mkpath(dataDir());
        // The backup equals the central file, so the user's options below are kept.
        QFile::copy(suite("options4.ini"), dataDir() + "/options4.bak");
    }
    ~OnScreenLauncher() override
    {
        for (QProcess* process : {&launcher, &exercise}) {
            if (process->state() != QProcess::NotRunning) {
                process->kill();
                process->waitForFinished(5000);
            }
        }
    }

    static QString suite(const QString& name) { return QStringLiteral(TAVORO_SUITE_DIR "/") + name; }

    struct Options {
        int backdrop = 0, taskbarVisible = -1, fullScreen = 0;
    };

    void start(const Options& o) { start(launcher, o, "startomo", {}); }

    // The program folder's `program` with the user's options `o`, logging under names off.
    void start(QProcess& process, const Options& o, const QString& program, const QStringList& arguments)
    {
        QStringList lines = platform::readTextFile(suite("options4.ini")).lines;
        lines[0] = lines[1] = platform::formatNumber(o.backdrop);
        lines[2] = platform::formatNumber(o.taskbarVisible);
        lines[3] = platform::formatNumber(o.fullScreen);
        lines[10] = platform::formatNumber(0);
        writeFile(dataDir() + "/options4.ini", lines);
        QProcessEnvironment environment = server.environment();
        environment.insert("XDG_DATA_HOME", appDataDir());
        environment.insert("TMPDIR", paths->temp);
        process.setProcessEnvironment(environment);
        // The programs it starts inherit its output, kept open after it ends.
        process.setProcessChannelMode(QProcess::ForwardedChannels);
        process.setWorkingDirectory(root.path());
        process.start(suite(program), arguments);
        ASSERT_TRUE(process.waitForStarted(10000));
    }

    // The backdrop and the launcher window once both are shown.
    void waitForWindows(QRect& backdrop, QRect& window, qulonglong& backdropId, qulonglong& windowId)
    {
        windowId = server.waitForWindow(kLauncher, 30000);
        backdropId = server.waitForWindow(kBackdrop, 30000);
        ASSERT_NE(windowId, 0u);
        ASSERT_NE(backdropId, 0u);
        backdrop = server.geometry(backdropId);
        window = server.geometry(windowId);
    }

    // The visible window of that title once it stands wholly in front; 0 when it does not
    // within half a minute.
    qulonglong windowInFront(const QString& title) const
    {
        qulonglong window = 0;
        const bool shown = QTest::qWaitFor(
            [&] { return (window = server.waitForWindow(title, 100)) != 0 && server.inFront(window); }, 30000);
        return shown ? window : 0;
    }

    testing_support::PrivateXServer server;
    QProcess launcher;
    QProcess exercise;
};


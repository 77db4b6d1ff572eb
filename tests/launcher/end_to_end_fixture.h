// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tests/support/fixture.h"
#include "tests/support/xserver.h"

#include "launcher/Form1.h"
#include "launcher/LauncherState.h"
#include "launcher/PictureButton.h"

#include "platform/files.h"
#include "platform/forms/end.h"
#include "platform/real_services.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

#include <map>

// The real programs of the built program folder, run with a data folder of the test's own.
class EndToEndTest : public testing_support::SuiteTest {
protected:
    EndToEndTest()
    {
        exportDataFolder();
        QDir().mkpath(dataDir());
        // The backup equals the central file, so the user's own options are kept.
        QFile::copy(suite("options4.ini"), dataDir() + "/options4.bak");
    }

    static QString suite(const QString& name) { return QStringLiteral(TAVORO_SUITE_DIR "/") + name; }

    // The user's options: the central file's lines, with the values of `changes` (line index to
    // value) in place.
    void writeUserOptions(const std::map<int, int>& changes)
    {
        QStringList lines = platform::readTextFile(suite("options4.ini")).lines;
        for (const auto& [line, value] : changes)
            lines[line] = platform::formatNumber(value);
        writeFile(dataDir() + "/options4.ini", lines);
    }
    void writeUserOptions(int aufloesung) { writeUserOptions(plainOptions(aufloesung)); }
    static std::map<int, int> plainOptions(int aufloesung = 0)
    {
        return {{0, aufloesung}, {1, aufloesung}, {3, aufloesung}, {10, 1}};
    }

    // The process of the program folder's `program` whose argument string contains `text`.
    static qint64 findProcess(const QString& program, const QString& text)
    {
        for (const auto& [pid, argv] : testing_support::processesOf(suite(program)))
            if (argv.join(' ').contains(text))
                return pid;
        return 0;
    }

    // The launcher window with the real process service, started for Max, clicked on its exercise
    // button named `button`, which must read `caption`: the real `program` it starts, 0 when none
    // runs.
    qint64 startFromLauncher(const QString& button, const QString& caption, const QString& program)
    {
        paths->program = QStringLiteral(TAVORO_SUITE_DIR);
        platform::services().processes = std::make_unique<platform::RealProcesses>(QStringList{});
        writeUserOptions(0);
        // What the launcher's start does before its window loads.
        platform::enterProgramFolder();
        launcher::LauncherState state;
        state.CommandLine = "/n=\"Max\"";
        launcher::Form1 launcher(state);
        launcher.show();
        auto* exercise = testing_support::control<launcher::PictureButton>(launcher, button);
        if (!exercise)
            return 0;
        EXPECT_EQ(exercise->text(), caption);
        QTest::mouseClick(exercise, Qt::LeftButton);
        EXPECT_TRUE(platform::programEnded());
        EXPECT_TRUE(messages->shown.empty()) << messages->texts().join('|').toStdString();
        qint64 pid = 0;
        return QTest::qWaitFor([&] { return (pid = findProcess(program, dataDir())) != 0; }, 10000) ? pid : 0;
    }

    // The real launcher started from `/` for Anna on the private X server, as a pupil's desktop
    // starts it; prints go to a PDF in the data folder, never to a printer of the machine.
    // Its window, 0 when none appears.
    qulonglong startLauncherOnScreen(const testing_support::PrivateXServer& x, QProcess& startomo,
                                     const std::map<int, int>& options = plainOptions())
    {
        writeUserOptions(options);
        QProcessEnvironment env = x.environment();
        env.insert("XDG_DATA_HOME", appDataDir());
        env.insert("TMPDIR", paths->temp);
        env.insert("CUPS_SERVER", root.path() + "/no-cups");
        // The exercise it starts inherits its output: kept open after the launcher ends, so the
        // exercise's first warning does not meet a closed pipe.
        startomo.setProcessChannelMode(QProcess::ForwardedChannels);
        startomo.setProcessEnvironment(env);
        startomo.setWorkingDirectory("/");
        startomo.start(suite("startomo"), {"/n=\"Anna\""});
        return x.waitForWindow(QStringLiteral("QL Tavoro ;   <F6> für Lehrermenü"), 60000);
    }

    static QStringList arguments(qint64 pid)
    {
        QFile cmdline(QStringLiteral("/proc/%1/cmdline").arg(pid));
        if (!cmdline.open(QIODevice::ReadOnly))
            return {};
        QStringList args = QString::fromLocal8Bit(cmdline.readAll()).split(QChar(0));
        if (!args.isEmpty() && args.last().isEmpty())
            args.removeLast();
        return args;
    }

    static bool holdsOpen(qint64 pid, const QString& path)
    {
        const QDir fds(QStringLiteral("/proc/%1/fd").arg(pid));
        for (const QString& fd : fds.entryList(QDir::Files | QDir::System))
            if (QFileInfo(fds.filePath(fd)).symLinkTarget() == path)
                return true;
        return false;
    }
};

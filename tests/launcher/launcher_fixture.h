// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "launcher/Form1.h"
#include "launcher/LauncherState.h"

#include "tests/support/fixture.h"

#include "platform/services.h"

#include <QStringList>

#include <memory>
// A program folder with the central options and the default name list, and a launcher to start.
class LauncherTest : public testing_support::SuiteTest {
protected:
    struct Options {
        int HGrund = 0, TVis = -1, Aufloesung = 0, ProtSave = 0;
    };

    LauncherTest() { setCentralOptions({}); writeFile(programDir() + "/Protokoll_2/Namen.ini", {"Anna", "Ben"}); }

    void setCentralOptions(const Options& o)
    {
        const auto n = [](int v) { return platform::formatNumber(v); };
        writeFile(programDir() + "/options4.ini", {n(o.HGrund), n(o.HGrund), n(o.TVis), n(o.Aufloesung), n(0),
                                                   n(-1), n(0), n(1), n(0), n(0), n(o.ProtSave)});
    }

    // Loads and shows the launcher window as the program's start does.
    launcher::Form1& start(const QString& commandLine = {})
    {
        state.CommandLine = commandLine;
        // What the program's start does before its window loads.
        platform::enterProgramFolder();
        launcher = std::make_unique<launcher::Form1>(state);
        launcher->show();
        return *launcher;
    }

    QString logFolder() const { return dataDir() + "/Protokoll_2"; }
    QStringList nameList() const { return platform::readTextFile(logFolder() + "/Namen.ini").lines; }

    launcher::LauncherState state;
    std::unique_ptr<launcher::Form1> launcher;
};

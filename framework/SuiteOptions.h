// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/files.h"

#include <QString>
#include <QStringList>

// The eleven values of "options4.ini", shared by every program of the suite. Lines 1 to 7 hold
// -1 for on, lines 8 to 11 the check box state (1 on). The programs ask the accessors, which
// read each line as the programs always have: some rules take a line as off only at 0, which
// agrees with "not on" for every value the options dialog writes.
struct SuiteOptions {
    static constexpr int kOn = -1; // lines 1 to 7

    int HGrund = 0;
    int HGrundStart = 0;
    int TVis = 0;
    int Aufloesung = 0;
    int Buchstaben = 0;
    int Proto = 0;
    int FehlerWeiter = 0;
    int optEigeneBilder = 0;
    int Opt_AnlautKritzlon = 0;
    int Opt_AnlautTastomat = 0;
    int ProtSave = 0;

    // Line 1: an exercise hides the desktop behind its black backdrop.
    bool backdrop() const { return HGrund == kOn; }
    // Line 2: the launcher and the task manager show their backdrop; an exercise they start
    // takes the full-screen start into account.
    bool startBackdrop() const { return HGrundStart == kOn; }
    // Line 3: backdrops leave the work area's taskbar visible.
    bool taskbarVisible() const { return TVis != 0; }
    // Line 4: the launcher and the task manager switch the display to 640 x 480.
    bool fullScreen() const { return Aufloesung == kOn; }
    // Line 4 read as set: the launcher stays open beside the exercise it started, so the
    // exercise does not start it again at its end.
    bool launcherStaysOpen() const { return Aufloesung != 0; }
    // Line 5: capital letters only.
    bool capitalsOnly() const { return Buchstaben == kOn; }
    // Line 6: the block result after each block.
    bool blockResult() const { return Proto == kOn; }
    // Line 7: the next task may be taken while the current one is unsolved.
    bool skipUnsolved() const { return FehlerWeiter == kOn; }
    // Lines 8 to 10: the teacher's own pictures, as words and as the keys of the two keyboards.
    bool ownPictures() const { return optEigeneBilder != 0; }
    bool ownKeyPicturesKritzlon() const { return Opt_AnlautKritzlon != 0; }
    bool ownKeyPicturesTastomat() const { return Opt_AnlautTastomat != 0; }
    // Line 11: results logs kept under the pupil's name.
    bool logging() const { return ProtSave != 0; }
    // An exercise stays on top, with its print dialog and its block result form, when the
    // launcher started it over its backdrop and it shows no backdrop and hides the taskbar.
    bool exerciseOnTop(bool launcherStarted) const
    {
        return launcherStarted && startBackdrop() && HGrund == 0 && TVis == 0;
    }

    bool operator==(const SuiteOptions&) const = default;
};

// Which program reads: only the launcher refreshes the user's copy from the central one.
enum class OptionsReader { Program, Launcher };

// Reads dataDir + "/options4.ini" (copied from the program folder when missing or empty), with four
// attempts while another program holds it locked. On failure shows the message and ends the
// program (platform::End). Fields beyond the end of a short file keep their values; line 11
// reads as 0 then.
void LoadSuiteOptions(SuiteOptions& options, const QString& dataDir, OptionsReader reader);

// The first copy of a settings file and its backup from `source`: both or neither.
platform::FileError copyWithBackup(const QString& source, const QString& file, const QString& backup);

// Launcher: replaces the user's copy and the backup when the central copy differs from the
// backup. A missing backup is recreated from the central copy, without a refresh.
platform::FileError RefreshCentralOptions(const QString& dataDir);

// The values read from the file's lines over `options`: lines 1 to 10 where present, line 11
// as 0 when missing.
void applySuiteOptionValues(SuiteOptions& options, const QVector<qint64>& values);

// The eleven lines in file order, and the rewrite of the file.
QStringList suiteOptionLines(const SuiteOptions& options);
platform::FileError writeSuiteOptions(const QString& path, const SuiteOptions& options);

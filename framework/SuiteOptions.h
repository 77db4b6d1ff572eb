#pragma once

#include "platform/files.h"

#include <QString>
#include <QStringList>

// The eleven values of "options4.ini", shared by every program of the suite. Lines 1 to 7 hold
// -1 for on, lines 8 to 11 the check box state (1 on).
struct SuiteOptions {
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

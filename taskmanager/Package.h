// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The four program packages the task manager serves: "TV" (this suite), "OR" and "QU" (the
// reading and maths families) and "PL" (the bundle of all three).
namespace taskmanager {

struct PackageInfo {
    QString folder;          // below "DA Ravezure"; empty for an unknown code
    QString optionsFile;     // below the package folder; empty: no options file is read
    QString optionsBackup;
    QString optionsSource;   // below the program folder
    int linesRead = 0;       // the last three are the backdrop, taskbar and full-screen flags
    int offset = 0;          // list index + offset = program number
};
PackageInfo packageInfo(const QString& code);

// A program of a task set: file name without its letter (empty: nothing to run), the folder
// it runs in and its variant letter.
struct TaskProgram {
    QString fileName;
    QString folder;
    QChar VariantLetter = QLatin1Char('A');
};

// The program file name with its letter for a list index; `folder` gets the program's folder
// ("PL" keeps it for an unknown number).
QString ProgInit(const QString& code, int index, const QString& appPath, QString& folder);
TaskProgram resolveProgram(const QString& code, int index, const QString& appPath);

// The assignment results files of a package, in the order they are handled.
QStringList assignmentResultsFiles(const QString& code, const QString& packageDir);

// The editor's program list: index 0 "Kein Programm starten", then the package's titles.
QStringList programChoices(const QString& code);

} // namespace taskmanager

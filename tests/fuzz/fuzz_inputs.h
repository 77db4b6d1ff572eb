// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the fuzz cases damage: every input of every program, and what a user does so that the
// program reads it.

#include <QByteArray>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <filesystem>
#include <random>
#include <vector>

namespace fuzz {

using Random = std::mt19937;

// One thing a user does in a window of the program, found by its exact title: clicks (pixels
// from the window's top-left corner), then keys (xdotool's names).
struct Step {
    QString window;
    std::vector<QPoint> clicks;
    QStringList keys;
    // A main window stays open: the step is done once acted. A dialog is done when it has gone,
    // and is acted on again while it stays (a click that fell before it was in its place).
    bool staysOpen = false;
};

enum class Where { Data, Program };

enum class Kind {
    // One file; `sample` is its valid content, or empty for the built program folder's own.
    File,
    // Every file of `path` in the program folder matching `patterns`, each damaged on its own; with
    // `source`, copies of the built program folder's `source` files in the folder `path`.
    Pictures,
    // A folder the case fills with `entries`, whose contents are damaged or whose names are
    // hostile.
    Named,
    // "Protokoll.txt" as the task set's program leaves it: the program is a stand-in that writes
    // the (damaged) `sample`.
    ChildResults,
};

struct Entry {
    QByteArray name;      // with its extension
    QByteArray content;
};

struct FuzzInput {
    QString label;
    Where where = Where::Data;
    QString path;         // below the data folder or the program folder
    Kind kind = Kind::File;
    QByteArray sample;
    QString source;
    QStringList patterns;
    std::vector<Entry> entries;
    QByteArray extension;             // of the hostile names given to `entries`
    std::vector<Step> steps;          // so that the program reads the input
    QString absentWhenDamaged;        // a data file left out so that this central copy is read
    bool firstLineOnly = false;       // only line 1 is damaged
};

struct FuzzProgram {
    QString executable;
    QStringList commandLines;         // `{data}` stands for the data folder
    std::vector<FuzzInput> inputs;
    std::vector<Step> steps;          // for the cases that damage the command line
};

// Every program of the suite with its inputs.
const std::vector<FuzzProgram>& programs();

// One damage of a valid content.
QByteArray mutate(QByteArray bytes, Random& rng);

struct Case {
    int number = 0;
    const FuzzProgram* program = nullptr;
    QString commandLine;
    int input = -1;                   // index into the program's inputs; -1: the command line
    bool folderInstead = false;       // a file's name is taken by a folder
    unsigned seed = 0;                // of the damage itself, made when the case runs
    const FuzzInput* damaged() const { return input < 0 ? nullptr : &program->inputs[static_cast<std::size_t>(input)]; }
    const std::vector<Step>& steps() const { return input < 0 ? program->steps : damaged()->steps; }
    QString describe() const;
};

// The fixed cases, the programs and each program's inputs taking turns.
std::vector<Case> makeCases(int count, unsigned seed);

// The folders of one case.
struct CaseFolders {
    QString program;     // a copy of the built program folder
    QString data;        // the suite's data folder below the application-data folder
    QString harness;     // the harness's own files, no program's
};

// A path as the file system takes it.
std::filesystem::path fsPath(const QString& path);

// Writes every input of the case's program with its valid content and the damaged one with its
// damage; returns what was damaged, for the report.
QString prepare(const Case& c, const CaseFolders& folders);

} // namespace fuzz

// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/SuiteOptions.h"

#include <QString>
#include <QStringList>

// Where the words of a word list come from: none (built-in words), the teacher's own lists or
// the further lists of the program folder.
enum class WordListSource { None = 0, OwnLists = 1, MoreLists = 2 };

// The program-wide values of one exercise run, owned by the program's main() and passed by
// reference to the forms and classes that use them.
struct ExerciseState {
    // Start-up
    SuiteOptions options;
    QString DataDir;
    QString TempFile;
    QString CommandLine;        // the whole argument string
    bool TaskMode = false;
    int AllowedErrors = 0;
    QString PupilName;
    int LoggingOn = 0;
    QString HelpFile;

    // Block counters
    int TasksDone = 0;
    int WrongFirst = 0;
    bool TaskWrong = false;

    // Word sources
    int WordCount = 0;
    WordListSource ListSource = WordListSource::None;
    QStringList Liste;          // the chosen word list's words
    int ListCount = 0;

    // Print choices
    int WordsPerPage = 0;
    bool PrintAll = false;
    int PrintQuality = 0;
    int ColorMode = 0;
    bool PrintOK = false;

    bool launcherStarted() const { return CommandLine.startsWith(QLatin1Char('Q')); }
};

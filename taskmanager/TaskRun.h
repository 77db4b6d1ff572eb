// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "taskmanager/ManagerFile.h"
#include "taskmanager/Package.h"

#include "platform/files.h"

#include <QString>

#include <array>

namespace taskmanager {

using ResolvedSet = std::array<TaskProgram, kPositions>;

// The argument after a program's file name: " Q", the allowed errors as two digits ("99" for
// no repetition, also for values outside 0 to 99), the program's letter.
QString TaskArgs(int allowedErrors, QChar variantLetter);

extern const char* const kProgramNotFoundMessage;

// One run of a task set: each program started in assignment mode and waited for, stopped by a
// teacher's abort, its records collected into the pupil's task log.
class TaskRun {
public:
    TaskRun(QString packageCode, QString packageDir);

    // Runs the set; `taskLog` empty means logging is off. False when the run could not start
    // (the teacher has been told why).
    bool run(const ResolvedSet& programs, int allowedErrors, const QString& taskLog) const;

    // Every results file left empty (or gone); else the message why one still holds old content.
    QString emptyResultsFiles() const;
    // Whether a results file holds the abort marker; a missing file holds none.
    bool breakByAdmin() const;
    platform::FileError collect(const QString& taskLog) const;
    void deleteResultsFiles() const;

private:
    void start(const TaskProgram& program, int allowedErrors) const;
    // What the teacher reads when the records could not reach the task log.
    QString keptResultsMessage(const platform::FileError& error) const;
    QStringList recordLines(const QString& resultsFile) const;

    QString code_;
    QString packageDir_;
};

} // namespace taskmanager

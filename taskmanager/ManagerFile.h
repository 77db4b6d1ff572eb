// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/files.h"

#include <QString>
#include <QStringList>

#include <array>

// "manager.ini": package code, active set, ten task sets (SetCode and name), logging flag and
// allowed errors, one value per line.
namespace taskmanager {

constexpr int kSetCount = 10;
constexpr int kPositions = 5;   // positions 1 to 4 and the final program
constexpr int kManagerLines = 24;

using SetIndices = std::array<int, kPositions>;

struct TaskSet {
    QString name = QStringLiteral("leer");
    SetIndices indices{};   // list indices of the program choices; 0 = none
};

struct ManagerSettings {
    static constexpr int kLoggingOn = -1;
    static constexpr int kNeverRepeat = -1;

    QString Programmpaket = QStringLiteral("TV");
    int activeSet = 1;
    std::array<TaskSet, kSetCount> sets;
    int logging = 0;
    int allowedErrors = kNeverRepeat;

    // The results go to the pupil's task log.
    bool loggingOn() const { return logging == kLoggingOn; }
    // A program is repeated when the pupil made more than `allowedErrors` errors.
    bool repeatsForErrors() const { return allowedErrors != kNeverRepeat; }
};

// Field input: leading blanks skipped, the field ends at a comma or the end of the line; a
// field in double quotes runs to its closing quote, with "" standing for one quote.
QString readField(const QString& line);
QStringList readFields(const QString& line);
// A name written so that readField gives it back: quoted only when it holds a comma or starts
// with a double quote or a blank, so every other name stays the plain line it always was.
QString writeField(const QString& text);

QString encodeSetCode(const SetIndices& indices);
SetIndices decodeSetCode(const QString& setCode);

// The 24 lines as whole lines; missing lines are completed with the defaults.
struct ManagerLines {
    QStringList lines;
    platform::FileError error;
};
ManagerLines readManagerLines(const QString& path);

struct ManagerRead {
    ManagerSettings settings;
    platform::FileError error;
};
ManagerRead readManagerFile(const QString& path);
QStringList managerLines(const ManagerSettings& settings);
// Every rewrite goes through a temporary file; a failed one leaves the old file.
platform::FileError writeManagerFile(const QString& path, const ManagerSettings& settings);
// Rewrites line 2 with the active set and keeps every other line as it was.
platform::FileError saveActiveSet(const QString& path, int activeSet);

} // namespace taskmanager

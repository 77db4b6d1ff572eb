// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// The records of the assignment results file "Protokoll.txt", which the task manager reads.
namespace ProtokollRecords {

inline const QString kFileName = QStringLiteral("Protokoll.txt");
inline const QString kAbortLine = QStringLiteral("termination by supervisor");

QStringList blockRecord(const QString& title, const QDateTime& when, int falsche, int richtige);
QStringList abortRecord(const QString& title, const QDateTime& when, int tasksDone,
                        int wrongFirst);
// Appends to "Protokoll.txt" in the data folder; a failure is told in a message box only, so
// the exercise goes on.
void append(const QString& dataDir, const QStringList& record);

} // namespace ProtokollRecords

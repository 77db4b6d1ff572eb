// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>
#include <QString>
#include <QStringList>

struct ExerciseState;

// The pupil's results log: one block per program run in <path>/Protokoll_2/<UserName>.txt, one
// line per task with the result of its first answer, and a summary when the run ends.
class ProtokollClass {
public:
    explicit ProtokollClass(ExerciseState& state);
    ~ProtokollClass();
    ProtokollClass(const ProtokollClass&) = delete;
    ProtokollClass& operator=(const ProtokollClass&) = delete;

    QString UserName;
    QString Programm;
    QString Aufgabe;
    bool Richtig = true;
    bool NeueAufgabe = false;

    void SetPath(const QString& Pfad);
    // Logs the current task, once per presented task.
    void Count();
    // Closes the current pupil's file and opens the file of UserName.
    void NameChange();

    // Log files larger than this are moved aside to a stamped name.
    static constexpr qint64 kMaxLogBytes = 25000;

private:
    void writeLines(const QStringList& lines);
    void writeSummary();
    bool openLog();
    void switchOff(const QString& reason);

    ExerciseState& state_;
    QString LetztesProgramm;
    QString LetzteAufgabe;
    QString logPath_;
    int AnzAufgaben = 0;
    int AnzRichtig = 0;
    QFile file_;
};

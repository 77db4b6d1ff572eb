// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/ProtokollRecords.h"

#include "platform/files.h"
#include "platform/services.h"

namespace ProtokollRecords {

namespace {

QString header(const QString& title, const QDateTime& when)
{
    return QStringLiteral("Programm ") + title + QStringLiteral("; Protokoll erstellt am ")
           + platform::germanDateTime(when) + QLatin1Char('.');
}

QStringList rightAndWrong(int richtige, int falsche)
{
    return {QString::number(richtige) + QStringLiteral(" Aufgabe(n) auf Anhieb richtig und"),
            QString::number(falsche) + QStringLiteral(" Aufgabe(n) beim ersten Mal falsch gelöst.")};
}

} // namespace

QStringList blockRecord(const QString& title, const QDateTime& when, int falsche, int richtige)
{
    QStringList lines{header(title, when),
                      QStringLiteral("Von ") + QString::number(falsche + richtige)
                          + QStringLiteral(" Aufgaben wurden")};
    lines += rightAndWrong(richtige, falsche);
    lines += QString();
    return lines;
}

QStringList abortRecord(const QString& title, const QDateTime& when, int tasksDone,
                        int wrongFirst)
{
    QStringList lines{header(title, when), QStringLiteral("Das Programm wurde vorzeitig abgebrochen."),
                      QStringLiteral("Es wurden nur ") + QString::number(tasksDone)
                          + QStringLiteral(" Aufgabe(n) abgearbeitet. Davon wurden")};
    lines += rightAndWrong(tasksDone - wrongFirst, wrongFirst);
    lines += QString();
    lines += kAbortLine;
    return lines;
}

void append(const QString& dataDir, const QStringList& record)
{
    const platform::FileError error =
        platform::appendTextLines(platform::resolveNoCase(dataDir, kFileName), record);
    if (error.failed())
        platform::msgBox(QStringLiteral("Das Ergebnis konnte nicht in die Datei \"Protokoll.txt\" "
                                        "geschrieben werden.\r\n")
                             + error.message,
                         platform::MessageButtons::Ok, platform::MessageIcon::Warning);
}

} // namespace ProtokollRecords

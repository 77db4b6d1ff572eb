// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/ProtokollClass.h"

#include "framework/ExerciseState.h"
#include "framework/PupilName.h"

#include "platform/files.h"
#include "platform/services.h"

#include <QFileInfo>

namespace {

const QString kLogFolder = QStringLiteral("Protokoll_2");

QString quoted(const QString& text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// "09.12.2026 08.53.06": the German date and time with the colons made file-name safe.
QString rotationStamp()
{
    return platform::germanDateTime(platform::services().clock->now()).replace(QLatin1Char(':'),
                                                                               QLatin1Char('.'));
}

// A name for the old log that no file bears yet.
QString freeRotationName(const QString& folder, const QString& userName)
{
    const QString base = folder + QLatin1Char('/') + userName + rotationStamp();
    QString candidate = base + QStringLiteral(".txt");
    for (int n = 2; QFileInfo::exists(candidate); ++n)
        candidate = base + QLatin1Char(' ') + QString::number(n) + QStringLiteral(".txt");
    return candidate;
}

} // namespace

ProtokollClass::ProtokollClass(ExerciseState& state) : state_(state) {}

ProtokollClass::~ProtokollClass()
{
    writeSummary();
    file_.close();
}

void ProtokollClass::SetPath(const QString& Pfad)
{
    logPath_ = Pfad;
    const QString folder = Pfad + QLatin1Char('/') + kLogFolder;
    if (const platform::FileError error = platform::makeFolder(folder); error.failed())
        switchOff(error.message);
}

void ProtokollClass::Count()
{
    if (!state_.LoggingOn)
        return;
    const bool newBlock = Programm != LetztesProgramm;
    if (!newBlock && Aufgabe == LetzteAufgabe && !NeueAufgabe)
        return;
    if (newBlock) {
        writeSummary();
        writeLines({QString(), QString(82, QLatin1Char('-')), QString(),
                    QStringLiteral("Programm ") + Programm + QLatin1Char(':'),
                    QStringLiteral("Protokoll begonnen am ")
                        + platform::germanDateTime(platform::services().clock->now())
                        + QLatin1Char('.'),
                    QString()});
        AnzAufgaben = 0;
        AnzRichtig = 0;
    }
    writeLines({QStringLiteral("Die Aufgabe ") + quoted(Aufgabe)
                + (Richtig ? QStringLiteral(" wurde beim ersten Versuch richtig gelöst.")
                           : QStringLiteral(" wurde beim ersten Versuch falsch gelöst."))});
    ++AnzAufgaben;
    if (Richtig)
        ++AnzRichtig;
    LetztesProgramm = Programm;
    LetzteAufgabe = Aufgabe;
    NeueAufgabe = false;
}

void ProtokollClass::NameChange()
{
    if (!state_.LoggingOn)
        return;
    writeSummary();
    file_.close();
    if (!isValidPupilName(UserName))
        switchOff(QStringLiteral("Der Name \"") + UserName
                  + QStringLiteral("\" ist kein gültiger Schülername."));
    else if (!openLog())
        switchOff(QStringLiteral("Die Protokolldatei von ") + UserName
                  + QStringLiteral(" kann nicht geöffnet werden."));
    Programm.clear();
    LetztesProgramm.clear();
    Aufgabe.clear();
    Richtig = true;
    AnzAufgaben = 0;
    AnzRichtig = 0;
}

bool ProtokollClass::openLog()
{
    const QString folder = logPath_ + QLatin1Char('/') + kLogFolder;
    const QString path = platform::resolveNoCase(folder, UserName + QStringLiteral(".txt"));
    const QFileInfo info(path);
    // A log that cannot be moved aside is appended to: it is never emptied.
    if (info.isFile() && info.size() > kMaxLogBytes)
        QFile::rename(path, freeRotationName(info.absolutePath(), UserName));
    file_.setFileName(path);
    // Unbuffered: a write that fails leaves nothing behind that a later flush could add.
    return file_.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered);
}

void ProtokollClass::writeSummary()
{
    if (AnzAufgaben > 1)
        writeLines({QString(), QStringLiteral("Von ") + QString::number(AnzAufgaben)
                                   + QStringLiteral(" Aufgaben wurden ") + QString::number(AnzRichtig)
                                   + QStringLiteral(" richtig gelöst.")});
}

// Each line reaches the disk at once, so a killed exercise loses nothing it logged.
void ProtokollClass::writeLines(const QStringList& lines)
{
    if (!file_.isOpen())
        return;
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += platform::encodeWindows1252(line) + "\r\n";
    const qint64 before = file_.size();
    if (file_.write(bytes) != bytes.size()) {
        // What a full disk let through of the lines is taken back: the log ends with whole lines.
        file_.resize(before);
        switchOff(QStringLiteral("Die Protokolldatei von ") + UserName
                  + QStringLiteral(" kann nicht geschrieben werden."));
    }
}

void ProtokollClass::switchOff(const QString& reason)
{
    const bool wasOn = state_.LoggingOn != 0;
    state_.LoggingOn = 0;
    file_.close();
    if (wasOn)
        platform::msgBox(reason + QStringLiteral("\r\nDie Übung läuft ohne Protokoll weiter."),
                         platform::MessageButtons::Ok, platform::MessageIcon::Warning);
}

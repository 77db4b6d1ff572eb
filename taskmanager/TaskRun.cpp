// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "taskmanager/TaskRun.h"

#include "framework/TRAVEK.h"

#include "platform/services.h"
#include "platform/termination.h"

#include <QDir>
#include <QFileInfo>

namespace taskmanager {

const char* const kProgramNotFoundMessage =
    "Die Programmdatei wurde nicht gefunden. Sie muss im gleichen Verzeichnis wie dieses Programm "
    "sein. Starten Sie das Programm von Hand, oder versuchen Sie es nochmal nach einer "
    "Neuinstallation!";

namespace {

bool isMarker(const QString& text)
{
    return text.trimmed() == QLatin1String("termination by supervisor");
}

// A results file that cannot be read counts as empty: the run goes on.
QStringList readLines(const QString& path)
{
    return platform::readTextFile(path).lines;
}

bool holdsContent(const QString& path)
{
    const QFileInfo info(platform::resolvePathNoCase(path));
    return info.exists() && info.size() > 0;
}

} // namespace

QString TaskArgs(int allowedErrors, QChar variantLetter)
{
    // "0" and the digits: the exercise reads the two characters before the letter.
    const QString number = allowedErrors < 0 ? QStringLiteral("99")
                                             : QLatin1Char('0') + QString::number(allowedErrors);
    return QStringLiteral(" Q") + number + variantLetter;
}

TaskRun::TaskRun(QString packageCode, QString packageDir)
    : code_(std::move(packageCode)), packageDir_(std::move(packageDir))
{
}

bool TaskRun::run(const ResolvedSet& programs, int allowedErrors, const QString& taskLog) const
{
    if (const QString problem = emptyResultsFiles(); !problem.isEmpty()) {
        platform::msgBox(problem);
        return false;
    }
    start(programs[0], allowedErrors);
    // A logout ends the running program; the rest of the set is not started, and what the
    // pupil did so far is collected as after an abort.
    for (int position = 1;
         position < kPositions && !platform::terminationRequested() && !breakByAdmin(); ++position)
        start(programs[position], allowedErrors);
    if (!taskLog.isEmpty())
        if (const platform::FileError error = collect(taskLog); error.failed()) {
            // The results files are the only copy of this run's results now: they stay.
            platform::msgBox(keptResultsMessage(error));
            return true;
        }
    deleteResultsFiles();
    return true;
}

QString TaskRun::keptResultsMessage(const platform::FileError& error) const
{
    QStringList kept;
    for (const QString& file : assignmentResultsFiles(code_, packageDir_))
        if (holdsContent(file))
            kept.append(QDir::toNativeSeparators(platform::resolvePathNoCase(file)));
    QString text = QStringLiteral("Die Ergebnisse konnten nicht in das Protokoll übernommen werden.\r\n")
                   + error.message;
    if (kept.isEmpty())
        return text;
    const QString emptied = kept.size() == 1 ? QStringLiteral("wird diese Datei") : QStringLiteral("werden diese Dateien");
    return text + QStringLiteral("\r\n\r\nDie Ergebnisse sind nicht verloren, sie stehen weiterhin in:\r\n%1\r\n"
                                 "Beim nächsten Start einer Aufgabenzusammenstellung %2 geleert. "
                                 "Lesen oder sichern Sie die Ergebnisse bitte vorher.")
                      .arg(kept.join(QStringLiteral("\r\n")), emptied);
}

QString TaskRun::emptyResultsFiles() const
{
    for (const QString& file : assignmentResultsFiles(code_, packageDir_)) {
        QDir().mkpath(QFileInfo(file).absolutePath());
        if (!platform::writeTextFile(file, {}).failed())
            continue;
        platform::removeFile(file);
        if (holdsContent(file))
            return QStringLiteral("Die Ergebnisdatei %1 konnte nicht geleert werden. Die "
                                  "Aufgabenzusammenstellung wird nicht gestartet, damit keine alten "
                                  "Ergebnisse in das Protokoll gelangen.")
                .arg(QDir::toNativeSeparators(file));
    }
    return {};
}

bool TaskRun::breakByAdmin() const
{
    bool aborted = false;
    for (const QString& file : assignmentResultsFiles(code_, packageDir_))
        for (const QString& line : readLines(file))
            aborted = aborted || isMarker(line);
    return aborted;
}

QStringList TaskRun::recordLines(const QString& resultsFile) const
{
    QStringList records;
    for (const QString& line : readLines(resultsFile)) {
        // The bundle's files are read as whole lines, the others field by field.
        const QStringList pieces = code_ == QLatin1String("PL") ? QStringList{line} : readFields(line);
        for (const QString& piece : pieces)
            if (!isMarker(piece))
                records.append(piece);
    }
    return records;
}

platform::FileError TaskRun::collect(const QString& taskLog) const
{
    QStringList records;
    for (const QString& file : assignmentResultsFiles(code_, packageDir_))
        records += recordLines(file);
    QDir().mkpath(QFileInfo(taskLog).absolutePath());
    return platform::appendTextLines(taskLog, records);
}

void TaskRun::deleteResultsFiles() const
{
    for (const QString& file : assignmentResultsFiles(code_, packageDir_))
        TRAVEK::KillIfExists(platform::resolvePathNoCase(file));
}

void TaskRun::start(const TaskProgram& program, int allowedErrors) const
{
    if (program.fileName.isEmpty())
        return;
    QDir::setCurrent(program.folder);
    if (!TRAVEK::RunAndWait(program.fileName + TaskArgs(allowedErrors, program.VariantLetter)))
        platform::msgBox(QString::fromUtf8(kProgramNotFoundMessage));
}

} // namespace taskmanager

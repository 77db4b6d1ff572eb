// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "launcher/OptionsEditor.h"

#include <QFile>
#include <QFileInfo>

namespace launcher {

const char* const OptionsEditor::kInUseMessage =
    "Die Optionen-Datei kann nicht geändert werden.\r\n"
    "Dies kann folgende Gründe haben:\r\n"
    "- Das Optionen-Fenster ist schon geöffnet (bei einer Netzwerkinstallation eventuell an einem "
    "anderen PC). Schließen Sie zuerst dieses Fenster.\r\n"
    "- Sie haben keine Schreibrechte auf dem Laufwerk, auf dem die Programme installiert sind. "
    "Stellen Sie die Schreibrechte bitte her, bevor Sie die Optionen ändern.";

namespace {

// The file is read directly: the lock this editor holds keeps the shared readers out.
QStringList readLines(const QString& path, QString& error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
        return {};
    }
    QStringList lines = platform::decodeWindows1252(file.readAll()).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

OptionsEditor::OptionsEditor(const QString& dataDir)
    : path_(platform::resolveNoCase(dataDir, QStringLiteral("options4.ini")))
{
}

OptionsEditor::~OptionsEditor() = default;

OptionsEditor::Opened OptionsEditor::open(SuiteOptions& current)
{
    lock_ = std::make_unique<platform::FileLock>(path_);
    const platform::FileError probe = lock_->acquire();
    if (probe.locked() || (!probe.failed() && !QFileInfo(path_).isWritable())) {
        lock_.reset();
        return Opened::InUse;
    }
    if (probe.failed()) {
        error_ = probe.message;
        lock_.reset();
        return Opened::Failed;
    }
    const QStringList lines = readLines(path_, error_);
    if (!error_.isEmpty())
        return Opened::Failed;
    QVector<qint64> values;
    for (const QString& line : lines)
        values.append(platform::parseNumber(line));
    const int protSave = current.ProtSave;
    applySuiteOptionValues(current, values);
    loaded_ = current;
    current.ProtSave = protSave;
    return Opened::Ok;
}

platform::FileError OptionsEditor::save(const SuiteOptions& values)
{
    QByteArray bytes;
    for (const QString& line : suiteOptionLines(values))
        bytes += line.toLatin1() + "\r\n";
    if (platform::FileError error = platform::saveBytes(path_, bytes); error.failed())
        return error;
    release();
    return {};
}

void OptionsEditor::release()
{
    lock_.reset();
}

bool OptionsEditor::changed(const SuiteOptions& before, const SuiteOptions& after)
{
    SuiteOptions a = before;
    SuiteOptions b = after;
    a.HGrundStart = b.HGrundStart;
    return !(a == b);
}

} // namespace launcher

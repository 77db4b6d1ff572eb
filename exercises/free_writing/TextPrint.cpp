// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/free_writing/TextPrint.h"

#include "framework/TRAVEK.h"

#include "platform/files.h"

namespace free_writing {

namespace {

constexpr int kPieceLength = 5;

// Deletes the scratch file when the print ends, also by an error.
struct ScratchFile {
    QString path = TRAVEK::TempFileName();
    ~ScratchFile() { TRAVEK::KillIfExists(path); }
};

void check(const platform::FileError& error)
{
    if (error.failed())
        throw platform::PrinterError(error.message.toStdString());
}

} // namespace

QStringList TextPrint::pieces(const QString& text) const
{
    QStringList result;
    QString rest = text;
    while (!rest.isEmpty()) {
        const qsizetype blank = rest.indexOf(QLatin1Char(' '));
        const qsizetype length = blank < 0 ? rest.size() : blank + 1;
        const QString word = rest.left(length);
        if (width(word) <= kLineWidth) {
            result << word;
        } else {
            for (qsizetype from = 0; from < word.size(); from += kPieceLength)
                result << word.mid(from, kPieceLength);
        }
        rest.remove(0, length);
    }
    return result;
}

QStringList TextPrint::lines(const QStringList& pieces) const
{
    QStringList result;
    QString line;
    for (const QString& piece : pieces) {
        if (line.isEmpty() || width(piece) + width(line) < kLineWidth) {
            line += piece;
        } else {
            result << line;
            line = piece;
        }
    }
    if (!line.isEmpty())
        result << line;
    return result;
}

QStringList TextPrint::piecesThroughScratchFile(const QString& text) const
{
    const ScratchFile scratch;
    if (scratch.path.isEmpty())
        throw platform::PrinterError("no scratch file for the text");
    check(platform::writeTextFile(scratch.path, pieces(text)));
    const platform::TextFile file = platform::readTextFile(scratch.path);
    check(file.error);
    return file.lines;
}

void TextPrint::print(const QString& text)
{
    printer_.setScaleMode(platform::ScaleMode::Centimetres);
    printer_.setCurrentY(kTop);
    printer_.setFontName(QStringLiteral("MS Sans Serif"));
    printer_.setFontSize(12);
    printer_.setFontBold(false);
    printer_.setFontName(QStringLiteral("Arial"));
    printer_.setFontSize(22);
    printer_.setFontBold(true);
    const QStringList printed =
        width(text) <= kLineWidth ? QStringList{text} : lines(piecesThroughScratchFile(text));
    for (const QString& line : printed)
        printLine(line);
    printer_.endDoc();
}

void TextPrint::printLine(const QString& line)
{
    if (printer_.currentY() + printer_.textHeight(line) > kBottom) {
        printer_.newPage();
        printer_.setCurrentY(kTop);
    }
    printer_.setCurrentX(kLeft);
    printer_.print(line);
}

} // namespace free_writing

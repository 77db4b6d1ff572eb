// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/printer.h"

#include <QString>
#include <QStringList>

namespace free_writing {

// The child's text on A4 in Arial 22 bold: from 2 cm left and 3 cm down, in lines narrower than
// 16 cm broken between words; a word wider than a line is cut into pieces of five characters.
// Widths are measured by the printer.
class TextPrint {
public:
    static constexpr double kLeft = 2;
    static constexpr double kTop = 3;
    static constexpr double kLineWidth = 16;
    // Lines end above a bottom margin as wide as the top one.
    static constexpr double kBottom = 29.7 - 3;

    explicit TextPrint(platform::Printer& printer) : printer_(printer) {}

    // Each word with its following blank; a word wider than a line in pieces of five characters.
    QStringList pieces(const QString& text) const;
    // The pieces filled into lines.
    QStringList lines(const QStringList& pieces) const;
    // Sets the font and prints the text as lines down the page, on a new page when a line would
    // reach the bottom margin, and sends the document. The pieces pass through a scratch file,
    // deleted afterwards whatever happens. Throws on a printer or file error.
    void print(const QString& text);

private:
    double width(const QString& text) const { return printer_.textWidth(text); }
    QStringList piecesThroughScratchFile(const QString& text) const;
    void printLine(const QString& line);

    platform::Printer& printer_;
};

} // namespace free_writing

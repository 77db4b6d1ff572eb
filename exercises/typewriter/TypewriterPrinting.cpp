// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/typewriter/TypewriterPrinting.h"

#include "exercises/typewriter/Form1.h"
#include "framework/WordCardPrinting.h"

#include <QPushButton>

namespace typewriter {

namespace {

using platform::Orientation;
using platform::Printer;

// The initial-sound table tells the print dialog that only one fixed page is printed.
constexpr int kTableOnly = -11;
constexpr int kCardsPerPage = 5;

PrintFrame frameOf(Form1& form)
{
    return {form, form.state, form.Neues, QStringLiteral(">>> Nächstes Wort >>>")};
}

} // namespace

void printInitialSoundTable(Form1& form)
{
    const PrintFrame frame = frameOf(form);
    runPrint(frame, kTableOnly, Orientation::Landscape, [&form](Printer& printer) {
        form.Neues->setText(QStringLiteral("Drucken ..."));
        const bool capitals = form.state.options.capitalsOnly();
        const QString table = capitals ? QStringLiteral("TabelleGr.gif") : QStringLiteral("Tabelle.gif");
        printer.paintPicture(platform::loadPicture(table).toImage(), 1.5, 4.8);
        printer.endDoc();
    });
}

void printWordCards(Form1& form)
{
    const PrintFrame frame = frameOf(form);
    const WordCardSource source{
        [&form] { form.ResetUsedWords(); },
        [&form] { form.NextWord(); },
        [&form] { return platform::loadPicture(form.DateiName).toImage(); },
        [&form] { return form.typing.Wortname; },
    };
    runPrint(frame, kCardsPerPage, Orientation::Portrait, [&frame, &source](Printer& printer) {
        printer.setFontName(QStringLiteral("MS Sans Serif"));
        printer.setFontSize(12);
        printer.setFontBold(false);
        printWordCards(frame, printer, source);
    });
}

} // namespace typewriter

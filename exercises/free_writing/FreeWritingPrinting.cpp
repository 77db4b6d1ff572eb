// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/free_writing/FreeWritingPrinting.h"

#include "exercises/free_writing/Form1.h"
#include "exercises/free_writing/TextPrint.h"

#include "framework/Qualitaet.h"
#include "framework/WordCardPrinting.h"

#include "platform/services.h"

namespace free_writing {

namespace {

using platform::Printer;

// The print dialog shows no choice of words for a fixed page.
constexpr int kTableOnly = -11;

struct TablePicture {
    const char* name;
    const char* capitalsName;
    double x;
    double y;
};
constexpr TablePicture kTables[] = {{"Tabelle.gif", "TabelleGr.gif", 1.2, 2.6},
                                    {"Tabelle2.gif", "Tabelle2Gr.gif", 10.6, 14.2}};

void printTable(Form1& form, Printer& printer, const TablePicture& table)
{
    const bool capitals = form.state.options.capitalsOnly();
    const QString file = QString::fromUtf8(capitals ? table.capitalsName : table.name);
    printer.paintPicture(platform::loadPicture(file).toImage(), table.x, table.y);
}

} // namespace

void printText(Form1& form)
{
    const QString& text = form.text();
    if (text.isEmpty())
        return;
    Printer& printer = exercisePrinter(form.state);
    if (printer.paperSize() != platform::kPaperA4) {
        platform::msgBox(QStringLiteral("Fehler beim Ausdruck! Falsches Papier; Sie benötigen Din A4 - Papier!"));
        return;
    }
    try {
        TextPrint(printer).print(text);
    } catch (const std::exception&) {
        printer.killDoc();
        platform::msgBox(QStringLiteral("Fehler beim Ausdruck!"));
    }
}

void printSoundTables(Form1& form)
{
    const PrintFrame frame{form, form.state, form.weiter, QStringLiteral("Löschen")};
    runPrint(frame, kTableOnly, platform::Orientation::Landscape, [&form](Printer& printer) {
        form.weiter->setText(QStringLiteral("Drucken ..."));
        for (const TablePicture& table : kTables)
            printTable(form, printer, table);
        printer.endDoc();
    });
}

} // namespace free_writing

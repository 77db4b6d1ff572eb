// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/WordCardPrinting.h"

#include "framework/Qualitaet.h"

#include "platform/services.h"

#include <QPushButton>

#include <optional>

namespace {

using platform::Orientation;
using platform::Printer;

QString orientationMessage(Orientation wanted)
{
    return wanted == Orientation::Landscape
               ? QStringLiteral("Fehler beim Ausdruck! Probleme beim Umstellen von Hoch- auf Querformat!")
               : QStringLiteral("Fehler beim Ausdruck! Probleme beim Umstellen von Quer- auf Hochformat!");
}

void orientationFailed(const PrintFrame& frame, Orientation wanted)
{
    frame.button->setText(frame.idleCaption);
    platform::msgBox(orientationMessage(wanted));
}

// The print dialog, the paper check and the printer settings. Returns the orientation to
// restore afterwards, or nothing when the command stops here.
std::optional<Orientation> openPrint(const PrintFrame& frame, Printer& printer, int wordsPerPage,
                                     Orientation wanted)
{
    ExerciseState& state = frame.state;
    state.WordsPerPage = wordsPerPage;
    Qualitaet dialog(state, &frame.window);
    dialog.showModal();
    if (!state.PrintOK)
        return {};
    if (printer.paperSize() != platform::kPaperA4) {
        platform::msgBox(QStringLiteral(
            "Fehler beim Ausdruck! Falsches Papier; Sie benötigen Din A4 - Papier!"));
        return {};
    }
    printer.setScaleMode(platform::ScaleMode::Centimetres);
    printer.setColorMode(static_cast<platform::ColorMode>(state.ColorMode));
    printer.setPrintQuality(state.PrintQuality);
    const Orientation before = printer.orientation();
    try {
        printer.setOrientation(wanted);
    } catch (const platform::PrinterError&) {
        orientationFailed(frame, wanted);
        return {};
    }
    if (printer.orientation() != wanted) {
        orientationFailed(frame, wanted);
        return {};
    }
    return before;
}

void printWholeSet(const PrintFrame& frame, Printer& printer, const WordCardSource& source)
{
    source.restart();
    frame.window.setEnabled(false);
    const int count = frame.state.WordCount;
    WordCardPages pages(printer, count);
    for (int i = 1; i <= count; ++i) {
        source.next();
        pages.printCard(source.picture(), source.word());
    }
    printer.endDoc();
    frame.window.setEnabled(true);
}

} // namespace

void WordCardPages::printCardAt(Printer& printer, const QImage& picture, const QString& word, double y)
{
    printer.paintPicture(picture, kPictureX, y);
    printer.setCurrentX(kWordX);
    printer.setCurrentY(y);
    printer.print(word);
}

void WordCardPages::printCard(const QImage& picture, const QString& word)
{
    const int row = printed_ % static_cast<int>(kRows.size());
    printCardAt(printer_, picture, word, kRows[static_cast<std::size_t>(row)]);
    ++printed_;
    if (row == static_cast<int>(kRows.size()) - 1 && printed_ < count_)
        printer_.newPage();
}

void runPrint(const PrintFrame& frame, int wordsPerPage, Orientation orientation,
              const std::function<void(Printer&)>& print)
{
    Printer& printer = exercisePrinter(frame.state);
    std::optional<Orientation> before;
    try {
        before = openPrint(frame, printer, wordsPerPage, orientation);
        if (!before)
            return;
        print(printer);
    } catch (const std::exception&) {
        frame.window.setEnabled(true);
        printer.killDoc();
        if (before) {
            try {
                printer.setOrientation(*before);
            } catch (const platform::PrinterError&) {
                // The print error below is the one to tell.
            }
        }
        frame.button->setText(frame.idleCaption);
        platform::msgBox(QStringLiteral("Fehler beim Ausdruck!"));
        return;
    }
    frame.button->setText(frame.idleCaption);
    try {
        printer.setOrientation(*before);
    } catch (const platform::PrinterError&) {
        orientationFailed(frame, orientation);
    }
}

void printWordCards(const PrintFrame& frame, Printer& printer, const WordCardSource& source)
{
    printer.setFontName(QStringLiteral("Arial"));
    printer.setFontSize(48);
    printer.setFontBold(true);
    frame.button->setText(QStringLiteral("Drucken ..."));
    if (!frame.state.PrintAll) {
        WordCardPages::printCardAt(printer, source.picture(), source.word(), WordCardPages::kSingleY);
        printer.endDoc();
        return;
    }
    printWholeSet(frame, printer, source);
}

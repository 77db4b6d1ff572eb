#include "TypewriterPrinting.h"

#include "Form1.h"
#include "Qualitaet.h"

#include "platform/services.h"

#include <optional>

namespace {

using platform::Orientation;
using platform::Printer;

const QString kPrintingCaption = QStringLiteral("Drucken ...");
const QString kNextWordCaption = QStringLiteral(">>> Nächstes Wort >>>");
constexpr int kTableOnly = -11;
constexpr int kCardsPerPage = 5;

struct PrintCommand {
    int wordsPerPage;
    Orientation orientation;
    QString orientationMessage;
};

const PrintCommand kTableCommand{
    kTableOnly, Orientation::Landscape,
    QStringLiteral("Fehler beim Ausdruck! Probleme beim Umstellen von Hoch- auf Querformat!")};
const PrintCommand kCardsCommand{
    kCardsPerPage, Orientation::Portrait,
    QStringLiteral("Fehler beim Ausdruck! Probleme beim Umstellen von Quer- auf Hochformat!")};

void orientationFailed(Form1& form, const PrintCommand& command)
{
    form.Neues->setText(kNextWordCaption);
    platform::msgBox(command.orientationMessage);
}

// The print dialog, the paper check and the printer settings. Returns the orientation to
// restore afterwards, or nothing when the command stops here.
std::optional<Orientation> openPrint(Form1& form, Printer& printer, const PrintCommand& command)
{
    ExerciseState& state = form.state;
    state.WordsPerPage = command.wordsPerPage;
    Qualitaet dialog(state, &form);
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
        printer.setOrientation(command.orientation);
    } catch (const platform::PrinterError&) {
        orientationFailed(form, command);
        return {};
    }
    if (printer.orientation() != command.orientation) {
        orientationFailed(form, command);
        return {};
    }
    return before;
}

// One print command from the dialog to the restored orientation. On an error midway the
// window is usable again, the half-built document dropped and the orientation put back.
void runPrint(Form1& form, const PrintCommand& command, const std::function<void(Printer&)>& print)
{
    Printer& printer = exercisePrinter(form.state);
    std::optional<Orientation> before;
    try {
        before = openPrint(form, printer, command);
        if (!before)
            return;
        print(printer);
    } catch (const std::exception&) {
        form.setEnabled(true);
        printer.killDoc();
        if (before) {
            try {
                printer.setOrientation(*before);
            } catch (const platform::PrinterError&) {
                // The print error below is the one to tell.
            }
        }
        form.Neues->setText(kNextWordCaption);
        platform::msgBox(QStringLiteral("Fehler beim Ausdruck!"));
        return;
    }
    form.Neues->setText(kNextWordCaption);
    try {
        printer.setOrientation(*before);
    } catch (const platform::PrinterError&) {
        orientationFailed(form, command);
    }
}

QImage shownPicture(const QLabel* picture)
{
    return picture->pixmap().toImage();
}

void printAllWords(Form1& form, Printer& printer)
{
    form.ResetUsedWords();
    form.setEnabled(false);
    const int count = form.state.WordCount;
    WordCardPages pages(printer, count);
    for (int i = 1; i <= count; ++i) {
        form.NextWord();
        pages.printCard(shownPicture(form.Anzeige), form.typing.Wortname);
    }
    printer.endDoc();
    form.setEnabled(true);
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

void printInitialSoundTable(Form1& form)
{
    runPrint(form, kTableCommand, [&form](Printer& printer) {
        form.Neues->setText(kPrintingCaption);
        const bool capitals = form.state.options.Buchstaben == -1;
        platform::setPicture(form.Tabelle, capitals ? QStringLiteral("TabelleGr.gif")
                                                    : QStringLiteral("Tabelle.gif"));
        printer.paintPicture(shownPicture(form.Tabelle), 1.5, 4.8);
        printer.endDoc();
    });
}

void printWordCards(Form1& form)
{
    runPrint(form, kCardsCommand, [&form](Printer& printer) {
        printer.setFontName(QStringLiteral("MS Sans Serif"));
        printer.setFontSize(12);
        printer.setFontBold(false);
        printer.setFontName(QStringLiteral("Arial"));
        printer.setFontSize(48);
        printer.setFontBold(true);
        form.Neues->setText(kPrintingCaption);
        if (!form.state.PrintAll) {
            WordCardPages::printCardAt(printer, shownPicture(form.Anzeige), form.typing.Wortname,
                                       WordCardPages::kSingleY);
            printer.endDoc();
            return;
        }
        printAllWords(form, printer);
    });
}

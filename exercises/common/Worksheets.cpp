#include "Worksheets.h"

#include <QPushButton>

namespace {
constexpr int kWordsPerPage = 5;
} // namespace

void printWorksheets(platform::Form& window, ExerciseState& state, QPushButton* weiter,
                     const WordCardSource& source)
{
    const PrintFrame frame{window, state, weiter, QStringLiteral(">>> Weiter >>>")};
    runPrint(frame, kWordsPerPage, platform::Orientation::Portrait,
             [&frame, &source](platform::Printer& printer) { printWordCards(frame, printer, source); });
    // The caption takes the place of the button's picture: the narrow button has no room for both.
    if (!weiter->text().isEmpty())
        weiter->setIcon(QIcon());
}

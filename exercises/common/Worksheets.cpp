#include "Worksheets.h"

namespace {
constexpr int kWordsPerPage = 5;
} // namespace

void printWorksheets(platform::Form& window, ExerciseState& state, QPushButton* weiter,
                     const WordCardSource& source)
{
    const PrintFrame frame{window, state, weiter, QStringLiteral(">>> Weiter >>>")};
    runPrint(frame, kWordsPerPage, platform::Orientation::Portrait,
             [&frame, &source](platform::Printer& printer) { printWordCards(frame, printer, source); });
}

#pragma once

#include "WordCardPrinting.h"

// The teacher menu's "Drucken" of both puzzles: picture-word worksheets of the current word or
// of the whole word set, with "Drucken ..." on the `weiter` button while printing and
// ">>> Weiter >>>" after any attempt past the paper check.
void printWorksheets(platform::Form& window, ExerciseState& state, QPushButton* weiter,
                     const WordCardSource& source);

// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/forms/word_building_forms.h"

#include "exercises/word_building/LetterWords.h"

using word_building::LetterWords;

const std::vector<forms_check::FormState>& forms_check::formStates()
{
    // Kalender: eight tiles, the longest row of the table.
    static const std::vector<FormState> states = word_building_forms::states<LetterWords>(93, true);
    return states;
}

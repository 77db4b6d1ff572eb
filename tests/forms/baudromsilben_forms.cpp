// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/forms/word_building_forms.h"

#include "exercises/word_building/SyllableBuildingWords.h"

using word_building::SyllableBuildingWords;

const std::vector<forms_check::FormState>& forms_check::formStates()
{
    // Te-le-fon-num-mer: five syllables, the longest row of the table.
    static const std::vector<FormState> states = word_building_forms::states<SyllableBuildingWords>(20, false);
    return states;
}

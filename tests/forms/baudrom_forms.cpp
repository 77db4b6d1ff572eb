#include "word_building_forms.h"

#include "LetterWords.h"

const std::vector<forms_check::FormState>& forms_check::formStates()
{
    // Kalender: eight tiles, the longest row of the table.
    static const std::vector<FormState> states = word_building_forms::states<LetterWords>(93, true);
    return states;
}

// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/word_building/Form1.h"
#include "exercises/word_building/SyllableBuildingWords.h"

#include "exercises/common/ExerciseMain.h"

int main(int argc, char** argv)
{
    const word_building::SyllableBuildingWords syllables;
    return runExercise<word_building::Form1>(argc, argv, syllables);
}

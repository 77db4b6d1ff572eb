// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/common/Answers.h"

#include "framework/ExerciseState.h"
#include "framework/ProtokollClass.h"

namespace exercise {

void newTask(ProtokollClass& log, const QString& task)
{
    log.Aufgabe = task;
    log.NeueAufgabe = true;
}

void recordAnswer(ExerciseState& state, ProtokollClass& log, bool right)
{
    if (!right)
        state.TaskWrong = true;
    log.Richtig = right;
    log.Count();
}

void countTask(ExerciseState& state, bool wrongFirst)
{
    if (wrongFirst)
        ++state.WrongFirst;
    ++state.TasksDone;
}

} // namespace exercise

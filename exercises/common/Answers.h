// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QString;
struct ExerciseState;
class ProtokollClass;

// How every exercise records the pupil's answers: the results log keeps the first answer to
// each task, and the block counts the tasks that were not right at the first try.
namespace exercise {

// The mark a task shows: none, the right one or the wrong one, never both.
enum class Mark { None, Right, Wrong };

// A new task: the log takes the next answer as the first one to `task`.
void newTask(ProtokollClass& log, const QString& task);
// An answer to the current task. A wrong one (also a skip or the teacher's "Weiter trotz
// Fehler") makes the task one that was not right at the first try.
void recordAnswer(ExerciseState& state, ProtokollClass& log, bool right);
// A task finished: counted, and among the wrong ones when it was `wrongFirst`.
void countTask(ExerciseState& state, bool wrongFirst);

} // namespace exercise

// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercises/syllable_riddle/SyllableRiddle.h"

#include "exercises/common/ExerciseForm.h"

#include <vector>

namespace platform {
class Timer;
}

namespace syllable_riddle {

// The syllable riddle: the child joins four words from a column of first syllables, a column of
// second syllables and a column of pictures.
class Form1 : public ExerciseForm {
    Q_OBJECT
public:
    explicit Form1(ExerciseState& state);
    ~Form1() override;

    SyllableRiddle riddle;

    // Silbe1(1..4), Silbe2(1..4), Bild(1..4) and ZeitFalsch(1..2) at indexes 0..3 and 0..1.
    std::vector<QPushButton*> Silbe1;
    std::vector<QPushButton*> Silbe2;
    std::vector<QPushButton*> Bild;
    platform::Timer* Zeit = nullptr;
    std::vector<platform::Timer*> ZeitFalsch;

    // A new turn.
    void Weiter();
    void Silbe1_Click(int index);
    void Silbe2_Click(int index);
    void Bild_Click(int index);
    void Zeit_Timer();
    void ZeitFalsch_Timer(int index);
    void WAlle_Click();
    void WLeicht_Click();
    void WSchwer_Click();
    // The teacher's "Weiter": a new turn at once, nothing counted.
    void WFehler_Click() override;

protected:
    void startExercise() override;
    void nextTask() override { Weiter(); }

private:
    std::vector<QPushButton*> addColumn(const QString& name, int left, int width,
                                        void (Form1::*onClick)(int));
    void addControls();
    void addMenus();
    void chooseLevel(QAction* item, SyllableRiddle::Level level);
    void stopTimers();
    void showTurn();
    void showBoard();
};

} // namespace syllable_riddle

// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercises/word_reading/ReadingSet.h"
#include "exercises/backdrop/ZuZahl.h"

#include "exercises/common/ExerciseForm.h"

#include <vector>

namespace platform {
class Timer;
}

namespace word_reading {

// Word reading: the child reads the shown word and clicks its picture among the ten of the set.
class Form1 : public ExerciseForm {
    Q_OBJECT
public:
    explicit Form1(ExerciseState& state);
    ~Form1() override;

    ReadingSet set;
    ZuZahl arranger;

    std::vector<QPushButton*> Bild;   // Bild[0] is unused: the pictures are Bild(1) to Bild(10)
    QLabel* Anzeige = nullptr;
    platform::Timer* Zeit = nullptr;

    // A new set of ten words.
    void Weiter();
    void Bild_Click(int index);
    void Zeit_Timer();
    void WAlle_Click();
    void WLeicht_Click();
    void WSchwer_Click();
    void WEigene_Click();
    // The teacher's "Weiter": a new set at once; the dropped word counts nothing.
    void WFehler_Click() override;

protected:
    void startExercise() override;
    void nextTask() override { Weiter(); }

private:
    void addControls();
    void addMenus();
    void builtInLevel(QAction* item, ReadingSet::Level level);
    std::array<int, ReadingSet::kWords> arrangement();
    void showPictures();
    void enablePictures();
    void presentWord();
};

} // namespace word_reading

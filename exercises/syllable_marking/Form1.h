// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercises/syllable_marking/MarkingTask.h"

#include "exercises/common/ExerciseForm.h"
#include "framework/Zufall_Array.h"

#include <memory>

class GetOwnWords;

namespace syllable_marking {

// Syllable recognition: a word appears syllable by syllable, the child marks its syllable
// boundaries by clicking into it, then writes it.
class Form1 : public ExerciseForm {
    Q_OBJECT
public:
    explicit Form1(ExerciseState& state);
    ~Form1() override;

    // The word lists come from the level dialog and work through ListSource.
    MarkingLevel Modus = MarkingLevel::All;
    int WelchesWort = 0;
    MarkingTask task;
    Zufall_Array Zufall;
    std::unique_ptr<GetOwnWords> OwnWords;

    QLabel* Picture1 = nullptr;
    QLabel* Anzeige = nullptr;
    QLabel* Bild = nullptr;
    QLabel* Befehl = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Nochmal = nullptr;
    QPushButton* Loeschen = nullptr;
    QAction* WDateiauswahl = nullptr;
    QAction* WMehr = nullptr;

    void Weiter();
    void StartListe();
    void WAlle_Click();
    void WLeicht_Click();
    void WSchwer_Click();
    void WEigene_Click();
    void WDateiauswahl_Click();
    void WMehr_Click();
    void Anzeige_MouseUp(int x);
    void Loeschen_Click();
    void Nochmal_Click();

protected:
    void startExercise() override;
    void nextTask() override { Weiter(); }
    void Form_KeyDown(int& keyCode, int shift) override;
    void Form_KeyPress(int& keyAscii) override;

private:
    void addControls();
    void addMenus();
    MarkingLevel askModus();
    void useListLayout(bool lists);
    SyllableWord drawWord();
    void present();
    // The word as the task stands: presented, marked or written so far.
    void showText();
    void finishMarking();
    // Compares what is written with the word; returns whether it still matches.
    bool checkText();
    void writeDone();
};

} // namespace syllable_marking

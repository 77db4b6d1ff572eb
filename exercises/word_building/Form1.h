// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercises/word_building/SlotTask.h"
#include "exercises/word_building/WordBuildingVariant.h"

#include "exercises/common/ExerciseForm.h"

#include "exercises/backdrop/ZuZahl.h"
#include "framework/Zufall_Array.h"

#include <array>
#include <memory>
#include <vector>

class GetOwnWords;

namespace word_building {

// The word-building window: the child opens a hidden word slot by slot, then picks its picture
// out of three. Letters or syllables come from the variant.
class Form1 : public ExerciseForm {
    Q_OBJECT
public:
    Form1(ExerciseState& state, const WordBuildingVariant& variant);
    ~Form1() override;

    const WordBuildingVariant& variant;

    WordBuildingLevel Level = WordBuildingLevel::All;
    int WelchesWort = 0;
    SlotTask task;
    Zufall_Array Zufall;
    ZuZahl Reihe;
    std::array<QString, 3> PicturePath;
    std::unique_ptr<GetOwnWords> OwnSource;
    std::unique_ptr<GetOwnWords> OwnDistractors;

    std::vector<QLabel*> Karte;         // Karte[i - 1] is slot i
    std::vector<QPushButton*> Bild;     // Bild[k - 1] is picture k
    QPushButton* Command1 = nullptr;

    void Karte_Click(int Index);
    void Bild_Click(int Index);
    void WAlle_Click();
    void WLeicht_Click();
    void WSchwer_Click();
    void WEigene_Click();
    // Presents the next task.
    void Weiter();

protected:
    void startExercise() override;
    void nextTask() override { Weiter(); }

private:
    void addControls();
    void addMenus();
    void builtInLevel(WordBuildingLevel level);
    void getWord();
    void getOwnWord();
    void showSlots();
    void showPictures(const std::array<QString, 3>& paths, const std::array<QString, 3>& tags);
    void setSlotColour(QLabel* slot, const QColor& colour);
};

} // namespace word_building

// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/ExerciseState.h"

#include "platform/forms/form.h"
#include "platform/printer.h"

// The program's printer, with documents that find no printer going to the exercise's data folder.
platform::Printer& exercisePrinter(const ExerciseState& state);

// Pages that `wordCount` words fill at `wordsPerPage` a page (wordsPerPage > 0).
int printPageCount(int wordCount, int wordsPerPage);

// The print dialog: print quality, colour, and the current or all words. Quality and colour
// go to the printer on "OK"; the choices stay in the state's print values.
class Qualitaet : public platform::Form {
public:
    explicit Qualitaet(ExerciseState& state, QWidget* parent = nullptr);

    QGroupBox* Frame1;
    QRadioButton* Option2;
    QRadioButton* Option1;
    QRadioButton* Option3;
    QRadioButton* Option4;
    QGroupBox* Frame2;
    QRadioButton* Option5;
    QRadioButton* Option6;
    QLabel* Label1;
    QGroupBox* Frame3;
    QRadioButton* aktuelle;
    QRadioButton* alle;
    QPushButton* Command1;
    QPushButton* Command2;

    void aktuelle_Click();
    void alle_Click();
    void Command1_Click();
    void Command2_Click();
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Option4_Click();
    void Option5_Click();
    void Option6_Click();

protected:
    void Form_Load() override;

private:
    void selectQuality(int quality);

    ExerciseState& state_;
};

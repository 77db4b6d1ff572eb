// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/forms/form.h"

#include <vector>

struct ExerciseState;

// Block result dialog: right and wrong marks of the block, and the buttons that decide how the
// pupil goes on. In an assignment it appends the block record to "Protokoll.txt".
class Protokoll : public platform::Form {
    Q_OBJECT
public:
    Protokoll(ExerciseState& state, platform::Form& mainWindow);

    int GesamteA = 0;
    int FalscheA = 0;
    int RichtigeA = 0;

    // Appends the abort record.
    void ProtokollExit();
    // Fills the dialog from the three counts and appends the block record in an assignment.
    void ProtokollInit();

    QLabel* LangProtokoll;
    QLabel* Anzeige;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Richtig;
    QLabel* Falsch;
    std::vector<QLabel*> ARichtig;   // ARichtig(1..10) at indexes 0..9
    std::vector<QLabel*> AFalsch;    // AFalsch(1..10) at indexes 0..9
    QPushButton* Weiter;
    QPushButton* Wiederholen;
    QPushButton* Ende;

protected:
    void Form_Load() override;
    bool Form_QueryUnload(platform::UnloadMode mode) override;

private:
    void Ende_Click();
    void Weiter_Click();
    void Wiederholen_Click();
    std::vector<QLabel*> addMarks(const QString& name, int left, const QString& picture);

    ExerciseState& state_;
    platform::Form& mainWindow_;
};

// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/forms/form.h"

struct ExerciseState;

// Word-list dialog: lists the own or further word lists, reads the clicked one into the
// program-wide word list and closes; F6 starts the list editor for the own lists.
class ListAuswahl : public platform::Form {
    Q_OBJECT
public:
    explicit ListAuswahl(ExerciseState& state);

    int ListOpen(const QString& ListeName);

    QLabel* Label1;
    QListWidget* Datei;
    QPushButton* Command1;
    QPushButton* Command2;

protected:
    void Form_Load() override;
    void Form_KeyDown(int& keyCode, int shift) override;
    bool Form_QueryUnload(platform::UnloadMode mode) override;

private:
    void Command1_Click();
    void Command2_Click();
    void Datei_Click();
    void refreshDatei();

    ExerciseState& state_;
    QString folder_;
};

// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "taskmanager/TaskManagerState.h"

#include "platform/forms/form.h"

#include <array>

namespace taskmanager {

// The task set editor: edits the main window's sets in place; only saving writes "manager.ini".
class Form2 : public platform::Form {
    Q_OBJECT
public:
    explicit Form2(TaskManagerState& state);

    QComboBox* Platz;
    QPushButton* PosKill;
    QLineEdit* Namen;
    std::array<QComboBox*, kPositions> Programm1{};
    QCheckBox* ProtokollCheck;
    QCheckBox* wiederholen;
    QLabel* MaxErrorsLabel;
    QLineEdit* MaxErrors;
    QPushButton* Command1;
    QPushButton* Speichern;
    QPushButton* Command2;

protected:
    void Form_Load() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Platz_Click();
    void Namen_Change();
    void Programm1_Click(int index);
    void PosKill_Click();
    void wiederholen_Click();
    void MaxErrors_Change();
    void MaxErrors_Click();
    // False when the file could not be written (the teacher has been told why).
    bool Speichern_Click();
    void Command1_Click();
    void Command2_Click();

    TaskSet& editedSet();

    TaskManagerState& state_;
    int editedSet_ = 1;
};

} // namespace taskmanager

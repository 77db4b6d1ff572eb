// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercises/free_writing/FreeText.h"

#include "exercises/common/ExerciseForm.h"

#include <vector>

class QToolButton;

namespace free_writing {

// Free writing: the child writes any text on the initial-sound keyboard or the real keyboard.
class Form1 : public ExerciseForm {
    Q_OBJECT
public:
    explicit Form1(ExerciseState& state);
    ~Form1() override;

    QString TransferCode;
    // 1: the next on-screen key inserts its capital form; above 1: its small form.
    int AktNummer = 11;
    QString WortName;
    // The print button: 1 shown, 0 hidden; kept in "options3.ini".
    int Druckknopf = 0;

    std::vector<QToolButton*> Worttaste;
    QTextEdit* Schrift = nullptr;
    QCheckBox* Gross1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* weiter = nullptr;
    QPushButton* Loeschen = nullptr;
    QAction* Drucken1 = nullptr;
    QAction* Dan = nullptr;
    QAction* Daus = nullptr;

    void Worttaste_Click(int index);
    void Gross1_Click();
    void Loeschen_Click();
    void weiter_Click();
    void Schrift_Change();
    void Dan_Click();
    void Daus_Click();
    void Command1_Click();
    void Drucken1_Click();

    // The child's text as written.
    const QString& text() const { return text_.text(); }

protected:
    void loadProgramSettings() override;
    void startExercise() override;
    void Form_KeyDown(int& keyCode, int shift) override;
    void Form_KeyPress(int& keyAscii) override;

private:
    void addKeys();
    void addControls();
    void addMenus();
    void showCapitalCaptions();
    void loadOwnKeyPictures();
    void clearCapitalBox();
    void append(const QString& piece);
    void showText();
    void setPrintButton(int flag);

    FreeText text_{false};
    platform::CheckGroup printButtonItems_;
};

} // namespace free_writing

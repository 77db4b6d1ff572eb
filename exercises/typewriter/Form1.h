// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercises/typewriter/TypewriterWords.h"
#include "exercises/typewriter/TypingState.h"

#include "exercises/common/ExerciseForm.h"

#include <array>
#include <memory>
#include <vector>

class GetOwnWords;
class UsedWordFile;
class QToolButton;
namespace platform {
class Timer;
}

namespace typewriter {

// The word typewriter: the child writes the word for a picture on the initial-sound keyboard.
class Form1 : public ExerciseForm {
    Q_OBJECT
public:
    explicit Form1(ExerciseState& state);
    ~Form1() override;

    TypewriterLevel WDiff = TypewriterLevel::All;
    // Help mode: 1 with help, 2 without.
    int Schwer = 0;
    QString DateiName;
    std::array<QString, 23> RestrictedKeys;
    TypingState typing;
    const TypewriterWords words;
    std::unique_ptr<GetOwnWords> OwnWords;
    std::unique_ptr<UsedWordFile> usedWords;

    std::vector<QToolButton*> Worttaste;
    QLabel* Schrift = nullptr;
    QLabel* Anzeige = nullptr;
    QPushButton* Loeschen = nullptr;
    QPushButton* Command1 = nullptr;
    platform::Timer* Timer1 = nullptr;
    QAction* Drucken1 = nullptr;
    QAction* Drucken2 = nullptr;
    QAction* SLeicht = nullptr;
    QAction* SSchwer = nullptr;

    void Worttaste_Click(int index);
    void Loeschen_Click();
    void Command1_Click();
    void Timer1_Timer();
    void SLeicht_Click();
    void SSchwer_Click();
    void WLeicht_Click();
    void WSchwer_Click();
    void WAlle_Click();
    void WEigene_Click();
    void Drucken1_Click();
    void Drucken2_Click();

    void GetWord();
    void GetOwnWord();
    void NextWord();
    // Empties the used-word file and sets the size of the current set.
    void ResetUsedWords();

protected:
    void loadProgramSettings() override;
    void startExercise() override;
    void nextTask() override { NextWord(); }

private:
    void addKeys();
    void addControls();
    void addMenus();
    void showCapitalCaptions();
    void loadOwnKeyPictures();
    TypewriterLevel askLevel();
    void applyLevel();
    void builtInLevel(QAction* item, TypewriterLevel level);
    void setHelpMode(int schwer);
    bool blocked() const;
    void chooseWord();
    void showTyped();

    platform::CheckGroup helpModes_;
};

} // namespace typewriter

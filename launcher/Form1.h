// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "launcher/LauncherState.h"
#include "launcher/WordLists.h"

#include "framework/MainWindowDisplay.h"

#include "platform/forms/form.h"

#include <memory>
#include <vector>

namespace platform {
class SingleInstance;
}

namespace launcher {

class Form2;
class PictureButton;

// The launcher's start window: nine exercise buttons, the greeting, the end button and the
// teacher menu behind F6.
class Form1 : public platform::Form {
public:
    explicit Form1(LauncherState& state);
    ~Form1() override;

    QLabel* Hilfe;
    std::vector<PictureButton*> exerciseButtons;   // in the grid's order
    QPushButton* CB_Name;
    QPushButton* Command8;
    QMenu* dasmenu;
    QAction* M_Hilfe_Paket;
    QAction* M_Info;
    QMenu* M_Protokolle;
    QAction* M_ProtokolleAnzeigen;
    QAction* M_Namen;
    std::vector<QAction*> WErstellen;
    QAction* M_Optionen;

    void CB_Name_Click();

protected:
    void Form_Load() override;
    void Form_KeyDown(int& keyCode, int shift) override;
    bool Form_QueryUnload(platform::UnloadMode mode) override;
    void Form_Unload() override;

private:
    void buildMenu();
    void endIfAnotherCopyRuns();
    void prepareDataFolder();
    void needWordLists();
    void askForName();
    void startExercise(const QString& program);
    void Command8_Click();
    void M_Hilfe_Paket_Click();
    void WErstellen_Click();
    void M_Optionen_Click();
    void M_ProtokolleAnzeigen_Click();
    void M_Namen_Click();
    QString logFolder() const;

    LauncherState& state_;
    std::unique_ptr<platform::SingleInstance> instance_;
    std::unique_ptr<Form2> options_;
    MainWindowDisplay display_{*this};
    WordListSync wordLists_;
};

} // namespace launcher

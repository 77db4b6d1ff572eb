// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "launcher/LauncherState.h"
#include "launcher/OptionsEditor.h"

#include "platform/forms/form.h"

namespace launcher {

// The options dialog: the only writer of the user's "options4.ini". It keeps the file locked
// while it is shown and restarts the launcher window when a value changed.
class Form2 : public platform::Form {
public:
    explicit Form2(LauncherState& state);

    QCheckBox* Buchstaben;
    QCheckBox* Proto;
    QCheckBox* ProtSave;
    QCheckBox* FehlerWeiter;
    QCheckBox* HGrund;
    QCheckBox* TVis;
    QCheckBox* Aufloesung;
    QLabel* Label1;
    QCheckBox* optEigeneBilder;
    QPushButton* Command3;
    QCheckBox* Opt_AnlautKritzlon;
    QCheckBox* Opt_AnlautTastomat;
    QPushButton* Command2;
    QPushButton* Befehl1;
    QPushButton* Command1;

protected:
    void Form_Load() override;
    void Form_KeyDown(int& keyCode, int shift) override;
    bool Form_QueryUnload(platform::UnloadMode mode) override;
    void Form_Unload() override;

private:
    void setBoxes(const SuiteOptions& o);
    SuiteOptions boxValues() const;
    void ApplyDisplayInterlock();
    void HGrund_Click();
    void Befehl1_Click();
    void RestartMainWindow();
    void showCaller();
    void help(int mapId);

    LauncherState& state_;
    OptionsEditor editor_;
};

} // namespace launcher

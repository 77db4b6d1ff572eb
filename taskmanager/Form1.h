// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "taskmanager/TaskManagerState.h"

#include "taskmanager/PackageOptions.h"

#include "framework/MainWindowDisplay.h"

#include "platform/forms/form.h"

#include <array>
#include <memory>


namespace taskmanager {

// The task manager's main window: the set menu, "Los geht's" and the teacher's menu.
class Form1 : public platform::Form {
    Q_OBJECT
public:
    explicit Form1(TaskManagerState& state);
    ~Form1() override;

    // Reads "manager.ini" and selects the stored active set.
    void init();
    // Rewrites line 2 of "manager.ini" with the active set.
    void AktivSave();
    // Resolves the active set's programs.
    void MenuInit();

protected:
    void Form_Load() override;
    bool Form_QueryUnload(platform::UnloadMode mode) override;
    void Form_Unload() override;

private:
    void Command1_Click();
    void CB_Name_Click();
    void EndeKnopf_Click();
    void Nr_Click(int set);
    void Einstellungen_Click();
    void Anzeigen_Click();
    void NamenAnz_Click();

    // The package's folder and options; the display options of its options file.
    MainWindowDisplayOptions readPackage();
    void removeSaveLeftovers(const QString& code, const PackageInfo& package) const;
    void prepareFolders();
    // With logging on: show "Name eingeben" and ask for a name when none is set.
    void askNameWhenLogging();

    TaskManagerState& state_;
    QPushButton* Command1;
    QPushButton* CB_Name;
    QPushButton* EndeKnopf;
    std::array<QAction*, kSetCount> Nr{};
    platform::CheckGroup setItems_;
    MainWindowDisplay display_{*this};
};

} // namespace taskmanager

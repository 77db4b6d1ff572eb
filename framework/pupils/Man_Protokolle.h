// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/forms/form.h"

// The teacher's log viewer: lists the pupils' logs of one folder, shows and deletes them.
class Man_Protokolle : public platform::Form {
public:
    struct Setup {
        QString formName = QStringLiteral("Man_Protokolle");
        QString folder;
        bool createFolder = true;
        int clientWidth = 9255;   // twips
        int textWidth = 6495;
    };

    explicit Man_Protokolle(Setup setup);

    QListWidget* File1;
    QTextEdit* Text1;
    QPushButton* Command2;
    QPushButton* Command1;

protected:
    void Form_Load() override;
    void Form_KeyDown(int& keyCode, int shift) override;

private:
    void refresh();
    void File1_Click();
    void Command2_Click();
    void Command1_Click();

    Setup setup_;
};

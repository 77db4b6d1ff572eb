// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/forms/form.h"

namespace taskmanager {

// The task manager's name entry on its own "Protokoll" folder: the pupil types the name or
// picks a known one; the launcher's name rules and files apply.
class Namen : public platform::Form {
    Q_OBJECT
public:
    Namen(QString folder, QString& pupilName);

    QLabel* Label1;
    QLineEdit* Text1;
    QListWidget* List1;
    QPushButton* OK;

protected:
    void Form_Load() override;
    void Form_KeyDown(int& keyCode, int shift) override;
    bool Form_QueryUnload(platform::UnloadMode mode) override;

private:
    void List1_Click();
    void OK_Click();

    QString folder_;
    QString& pupilName_;
};

} // namespace taskmanager

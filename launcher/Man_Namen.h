// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/forms/form.h"

namespace launcher {

// The pupil's name entry: known names to pick, a name field that takes letters and digits.
class Man_Namen : public platform::Form {
public:
    // `folder` holds the name list and the logs; `defaultList` is copied when it has no list.
    Man_Namen(QString folder, QString defaultList, QString& pupilName);

    QLabel* Label2;
    QLineEdit* Text1;
    QListWidget* List1;
    QPushButton* OK;

protected:
    void Form_Load() override;
    void Form_KeyDown(int& keyCode, int shift) override;
    void Form_KeyPress(int& keyAscii) override;
    bool Form_QueryUnload(platform::UnloadMode mode) override;

private:
    void List1_Click();
    void OK_Click();

    QString folder_;
    QString defaultList_;
    QString& pupilName_;
};

} // namespace launcher

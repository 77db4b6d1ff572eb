// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/forms/form.h"

#include <QStringList>

// The teacher's name list: names are deleted here and leave the file at "Zurück".
class Man_NamenAnzeigen : public platform::Form {
public:
    // `defaultList` is copied when `folder` has no name list; empty when the list must exist.
    Man_NamenAnzeigen(const QString& formName, QString folder, QString defaultList, QString& pupilName);

    QListWidget* List1;
    QPushButton* Command1;
    QPushButton* OK;

protected:
    void Form_Load() override;
    void Form_KeyDown(int& keyCode, int shift) override;

private:
    void Command1_Click();
    void OK_Click();

    QString folder_;
    QString defaultList_;
    QString& pupilName_;
    QStringList deleted_;
};

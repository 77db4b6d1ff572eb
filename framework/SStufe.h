// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/forms/form.h"

#include <vector>

// Level dialog: a column of large buttons whose captions the exercise sets; the index of the
// pressed button is left as text in the Tag of Stufe[0]. SStufe has four buttons, SStufe2 six.
class LevelDialog : public platform::Form {
    Q_OBJECT
public:
    std::vector<QPushButton*> Stufe;

protected:
    struct Layout {
        const char* name;
        int clientHeight;
        int labelLeft;
        int labelTop;
        int firstLeft;
        int otherLeft;
        int firstTop;
        QStringList captions;
    };
    explicit LevelDialog(const Layout& layout);
    void Form_Load() override;

private:
    void Stufe_Click(int Index);
};

class SStufe : public LevelDialog {
    Q_OBJECT
public:
    SStufe();
};

class SStufe2 : public LevelDialog {
    Q_OBJECT
public:
    SStufe2();
};

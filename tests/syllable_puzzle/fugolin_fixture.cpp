// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/syllable_puzzle/fugolin_fixture.h"

using syllable_puzzle::Form1;

Form1& FugolinTest::start(const QString& arguments, Level level, std::vector<Level> later)
{
    levelDialogs = 0;
    later.insert(later.begin(), level);
    testing_support::answerLevelDialog<SStufe2>("SStufe2", {later.begin(), later.end()}, [this](SStufe2& dialog) {
        ++levelDialogs;
        if (onLevelDialog)
            onLevelDialog(dialog);
    });
    return TilePuzzleTest::start(arguments);
}

void FugolinTest::chooseList(ListAuswahl& dialog, const QString& name)
{
    if (name.isEmpty()) {
        click(dialog.Command1);
        return;
    }
    const auto items = dialog.Datei->findItems(name, Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1) << name.toStdString();
    QTest::mouseClick(dialog.Datei->viewport(), Qt::LeftButton, {},
                      dialog.Datei->visualItemRect(items.first()).center());
}

// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercises/word_building/Form1.h"

#include "tests/support/exercise_test.h"

#include "framework/Protokoll.h"
#include "framework/SStufe.h"

#include <QTest>

#include <functional>
#include <memory>

// A word-building window started as a pupil meets it: suite options written, the command line
// set, the level dialog answered by a click.
class WordBuildingTest : public testing_support::ExerciseTest<word_building::Form1> {
protected:
    // `ownFolder`: where the teacher puts own pictures, below the program folder.
    WordBuildingTest(std::unique_ptr<word_building::WordBuildingVariant> v, const QString& folder)
        : variant(std::move(v)), ownFolder(folder)
    {
    }

    // Writes the suite options first.
    word_building::Form1& start(const QString& arguments = "Q", int levelButton = 2);

    static void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    void clickSlot(int i) const { clickNamed(QStringLiteral("Karte(%1)").arg(i)); }
    // Opens every slot in turn, so the pictures show.
    void revealAll() const;
    // The picture that is right, and one that is not.
    int rightPicture() const;
    int wrongPicture() const;
    void pick(int k) const { clickNamed(QStringLiteral("Bild(%1)").arg(k)); }
    void clickNamed(const QString& name) const
    {
        if (auto* target = control<QWidget>(name))
            click(target);
    }
    // Opens every slot and picks the right picture, a wrong one first when `wrongFirst` is set.
    void solve(bool wrongFirst = false) const;
    // Solves `count` tasks, each ended with "Weiter", task `wrongTask` after a wrong pick; when the
    // block result shows after the last, `onResult` acts in it. Returns whether it showed.
    bool solveTasks(int count, const std::function<void(Protokoll&)>& onResult, int wrongTask = 0) const;
    // Started by the launcher for `pupil` with results logged in the folder `logFolder()`.
    word_building::Form1& startLogged(const QString& pupil);
    QString logFolder() const { return appDataDir() + "/logs"; }
    // The first task solved, the second after a wrong pick, then the window ended: the second word.
    QString solveTwoTasksAndEnd() const;
    QStringList tags() const;
    // Slot i's place and size in twips.
    QRect slotTwips(int i) const;
    // The draw that picks word n first from a fresh pass of `pool` words.
    static double drawOf(int pool, int n) { return (n - 0.5) / pool; }
    // With option 8 off, then on: the level dialog shows `buttons` (and then `ownButton`), the
    // teacher menu "&Hilfe", a separator and `items` (and then `ownItem`); help opens at `helpMapId`.
    void expectLevelChoices(const QStringList& buttons, const QString& ownButton, const QStringList& items,
                            const QString& ownItem, int helpMapId);
    // Own pictures "<name>.bmp" in the own-pictures folder, each a different small bitmap.
    void addOwnPictures(const QStringList& names) const;

    // Looks at the level dialog before the child answers it.
    std::function<void(SStufe&)> onLevelDialog;
    std::unique_ptr<word_building::WordBuildingVariant> variant;
    const QString ownFolder;
};

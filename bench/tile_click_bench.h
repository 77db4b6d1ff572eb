// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bench/window_bench.h"

#include <QLabel>
#include <QTest>

// One tile click of a puzzle window handled and painted: the tile that shows the piece
// expected now, then a new word whenever the word is built.
template <class Puzzle>
void benchmarkTileClick(benchmark::State& state, const QString& levelDialog, void (Puzzle::*newWord)())
{
    FakeServices services;
    ExerciseState exerciseState;
    const std::unique_ptr<Puzzle> form = showExercise<Puzzle>(exerciseState, levelDialog);
    if (!form) {
        state.SkipWithError("the window was never exposed");
        return;
    }
    const auto rightTile = [&form] {
        for (int i = 0; i < form->board.tileCount(); ++i)
            if (form->board.caption(i) == form->board.expected())
                return form->Bezeichnung[std::size_t(i)];
        return form->Bezeichnung.front();
    };
    timeAndPaint(
        state, *form, [&] { QTest::mouseClick(rightTile(), Qt::LeftButton); },
        [&] {
            if (!form->Richtig->isHidden())
                ((*form).*newWord)();
        });
}

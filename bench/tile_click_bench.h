#pragma once

#include "bench_services.h"

#include <QLabel>
#include <QTest>

#include <benchmark/benchmark.h>

// One tile click of a puzzle window handled and painted: the tile that shows the piece
// expected now, then a new word whenever the word is built.
template <class Puzzle>
void benchmarkTileClick(benchmark::State& state, const QString& levelDialog, void (Puzzle::*newWord)())
{
    FakeServices services;
    std::chrono::steady_clock::time_point shown;
    answerLevelDialog(levelDialog, QStringLiteral("alle Wörter"), shown);
    ExerciseState exerciseState;
    Puzzle form(exerciseState);
    form.show();
    platform::setFormShownHook({});
    const auto rightTile = [&form] {
        for (int i = 0; i < form.board.tileCount(); ++i)
            if (form.board.caption(i) == form.board.expected())
                return form.Bezeichnung[std::size_t(i)];
        return form.Bezeichnung.front();
    };
    for (auto _ : state) {
        QTest::mouseClick(rightTile(), Qt::LeftButton);
        form.repaint();
        state.PauseTiming();
        if (!form.Richtig->isHidden())
            (form.*newWord)();
        state.ResumeTiming();
    }
    form.unload();
}

// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bench/bench_services.h"

#include "framework/ExerciseState.h"

#include <QTest>

#include <benchmark/benchmark.h>

#include <memory>

// The exercise window `Window`, built with `args` after the program state and shown, its level
// dialog (the form `levelDialog`, when it has one) answered with "alle Wörter". Null when the
// window never comes on the screen: a window that is not exposed is not painted at all.
template <class Window, class... Args>
std::unique_ptr<Window> showExercise(ExerciseState& exerciseState, const QString& levelDialog, const Args&... args)
{
    std::chrono::steady_clock::time_point shown;
    if (!levelDialog.isEmpty())
        answerLevelDialog(levelDialog, QStringLiteral("alle Wörter"), shown);
    auto form = std::make_unique<Window>(exerciseState, args...);
    form->show();
    platform::setFormShownHook({});
    if (!QTest::qWaitForWindowExposed(form.get()))
        return nullptr;
    return form;
}

// Times `act` with the painting of the whole window at once that follows, as the screen would
// show it; `reset`, untimed, readies the next iteration. The window is unloaded at the end.
template <class Window, class Act, class Reset>
void timeAndPaint(benchmark::State& state, Window& form, Act act, Reset reset)
{
    for (auto _ : state) {
        act();
        form.repaint();
        state.PauseTiming();
        reset();
        state.ResumeTiming();
    }
    form.unload();
}

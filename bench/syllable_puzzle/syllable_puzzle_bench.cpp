// One tile click of the syllable puzzle handled and painted, offscreen, on the fake services
// with the built program folder.
#include "Form1.h"

#include "bench_services.h"

#include "platform/forms/application.h"
#include "platform/services.h"

#include <QLabel>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

// The tile that shows the syllable expected now.
QLabel* rightTile(const Form1& form)
{
    for (int i = 0; i < form.board.tileCount(); ++i)
        if (form.board.caption(i) == form.board.expected())
            return form.Bezeichnung[std::size_t(i)];
    return form.Bezeichnung.front();
}

void SyllableTileClick(benchmark::State& state)
{
    FakeServices services;
    std::chrono::steady_clock::time_point shown;
    answerLevelDialog(QStringLiteral("SStufe2"), QStringLiteral("alle Wörter"), shown);
    ExerciseState exerciseState;
    Form1 form(exerciseState);
    form.show();
    platform::setFormShownHook({});
    for (auto _ : state) {
        QTest::mouseClick(rightTile(form), Qt::LeftButton);
        form.repaint();
        state.PauseTiming();
        if (!form.Richtig->isHidden())
            form.NextWord();
        state.ResumeTiming();
    }
    form.unload();
}
BENCHMARK(SyllableTileClick)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    platform::Application app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

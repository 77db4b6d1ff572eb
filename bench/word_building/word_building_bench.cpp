// One slot click handled and painted, offscreen, on the fake services with the built program
// folder, for letters and syllables. Should stay well under 2 ms.
#include "Form1.h"
#include "LetterWords.h"
#include "SyllableWords.h"

#include "bench_main.h"
#include "bench_services.h"

#include "SStufe.h"

#include <QTest>
#include <QTimer>

namespace {

template <class Words>
void SlotClick(benchmark::State& state)
{
    FakeServices services;
    // The level dialog is answered with "alle Wörter" once it is up.
    platform::setFormShownHook([](platform::Form& form) {
        if (auto* dialog = qobject_cast<SStufe*>(&form))
            QTimer::singleShot(0, dialog, [dialog] { dialog->Stufe[2]->click(); });
    });
    ExerciseState exerciseState;
    const Words words;
    Form1 form(exerciseState, words);
    form.show();
    platform::setFormShownHook({});
    if (!QTest::qWaitForWindowExposed(&form) || form.task.Aktuell.isEmpty()) {
        state.SkipWithError("the word did not start");
        return;
    }
    for (auto _ : state) {
        QTest::mouseClick(form.Karte[0], Qt::LeftButton);
        form.repaint();   // the whole window, at once, as the screen would show it
        state.PauseTiming();
        form.Weiter();
        form.repaint();
        state.ResumeTiming();
    }
    form.unload();
}
BENCHMARK(SlotClick<LetterWords>)->Unit(benchmark::kMicrosecond);
BENCHMARK(SlotClick<SyllableWords>)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    return runOffscreenBenchmarks(argc, argv);
}

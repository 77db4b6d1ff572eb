// One marking click on the shown word, handled and painted, offscreen, on the fake services with
// the built program folder. Should stay well under 2 ms.
#include "Form1.h"

#include "bench_services.h"

#include "SStufe.h"

#include "platform/forms/application.h"
#include "platform/forms/twips.h"

#include <QTest>
#include <QTimer>

#include <benchmark/benchmark.h>

namespace {

void SyllableMarkingClick(benchmark::State& state)
{
    FakeServices services;
    // The level dialog is answered with "alle Wörter" once it is up.
    platform::setFormShownHook([](platform::Form& form) {
        if (auto* dialog = qobject_cast<SStufe2*>(&form))
            QTimer::singleShot(0, dialog, [dialog] { dialog->Stufe[2]->click(); });
    });
    ExerciseState exerciseState;
    Form1 form(exerciseState);
    form.show();
    platform::setFormShownHook({});
    const int boundary = platform::textWidthTwips(form.Anzeige, form.word.prefix(1));
    const QPoint at(platform::twipsToPixels(boundary), form.Anzeige->height() / 2);
    QTest::mouseClick(form.Anzeige, Qt::LeftButton, {}, at);
    if (form.AktNummer != 2)
        state.SkipWithError("the click does not open the first boundary");
    form.Nochmal_Click();
    for (auto _ : state) {
        QTest::mouseClick(form.Anzeige, Qt::LeftButton, {}, at);
        form.repaint();
        state.PauseTiming();
        form.Nochmal_Click();
        state.ResumeTiming();
    }
    form.unload();
}
BENCHMARK(SyllableMarkingClick)->Unit(benchmark::kMicrosecond);

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

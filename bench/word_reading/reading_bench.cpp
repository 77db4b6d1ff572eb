// One click on the right picture handled and painted, offscreen, on the fake services with the
// built program folder.
#include "Form1.h"

#include "bench_main.h"
#include "bench_services.h"

#include <QTest>

namespace {

QPushButton* rightPicture(const Form1& form)
{
    for (std::size_t k = 1; k < form.Bild.size(); ++k)
        if (platform::tag(form.Bild[k]) == form.Anzeige->text())
            return form.Bild[k];
    return form.Bild[1];
}

void PictureClick(benchmark::State& state)
{
    FakeServices services;
    std::chrono::steady_clock::time_point shown;
    answerLevelDialog(QStringLiteral("SStufe"), QStringLiteral("alle Wörter"), shown);
    ExerciseState exerciseState;
    Form1 form(exerciseState);
    form.show();
    platform::setFormShownHook({});
    // A window that is not yet exposed is not painted at all.
    if (!QTest::qWaitForWindowExposed(&form) || form.Anzeige->text().isEmpty()) {
        state.SkipWithError("word reading did not start");
        return;
    }
    for (auto _ : state) {
        rightPicture(form)->click();
        form.repaint();   // the whole window, at once, as the screen would show it
        state.PauseTiming();
        form.Weiter();
        form.repaint();
        state.ResumeTiming();
    }
    form.unload();
}
BENCHMARK(PictureClick)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    return runOffscreenBenchmarks(argc, argv);
}

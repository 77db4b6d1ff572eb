// The typewriter's start (load of its window up to the level dialog) and one key press handled
// and painted, offscreen, on the fake services with the built program folder.
#include "Form1.h"

#include "fakes.h"

#include "platform/forms/application.h"
#include "platform/services.h"

#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

struct Services {
    QTemporaryDir root;

    Services()
    {
        platform::Services& s = platform::services();
        auto paths = std::make_unique<testing_support::FakePaths>();
        paths->program = QStringLiteral(TAVORO_SUITE_DIR);
        paths->appData = root.path() + QStringLiteral("/appdata");
        paths->temp = root.path() + QStringLiteral("/temp");
        QDir().mkpath(paths->appData);
        QDir().mkpath(paths->temp);
        s.paths = std::move(paths);
        s.processes = std::make_unique<testing_support::FakeProcesses>();
        s.clock = std::make_unique<testing_support::FakeClock>();
        s.messages = std::make_unique<testing_support::FakeMessageBoxes>();
        s.help = std::make_unique<testing_support::FakeHelpViewer>();
        s.display = std::make_unique<testing_support::FakeDisplay>();
        QDir::setCurrent(QStringLiteral(TAVORO_SUITE_DIR));
    }
};

// Answers the level dialog with "alle Wörter" and notes when it appeared.
void answerLevelDialog(Clock::time_point& shown)
{
    platform::setFormShownHook([&shown](platform::Form& form) {
        if (form.objectName() != QStringLiteral("SStufe"))
            return;
        shown = Clock::now();
        QTimer::singleShot(0, &form, [&form] {
            for (QPushButton* button : form.findChildren<QPushButton*>())
                if (button->text() == QStringLiteral("alle Wörter"))
                    button->click();
        });
    });
}

void TypewriterStart(benchmark::State& state)
{
    Services services;
    for (auto _ : state) {
        Clock::time_point shown;
        answerLevelDialog(shown);
        ExerciseState exerciseState;
        const auto start = Clock::now();
        Form1 form(exerciseState);
        form.load();
        state.SetIterationTime(std::chrono::duration<double>(shown - start).count());
        form.unload();
    }
    platform::setFormShownHook({});
}
BENCHMARK(TypewriterStart)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

void TypewriterKeyPress(benchmark::State& state)
{
    Services services;
    Clock::time_point shown;
    answerLevelDialog(shown);
    ExerciseState exerciseState;
    Form1 form(exerciseState);
    form.show();
    platform::setFormShownHook({});
    for (auto _ : state) {
        form.Worttaste[0]->click();
        form.repaint();
        state.PauseTiming();
        form.Timer1_Timer();
        state.ResumeTiming();
    }
    form.unload();
}
BENCHMARK(TypewriterKeyPress)->Unit(benchmark::kMicrosecond);

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

// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tests/support/fixture.h"

#include "framework/ExerciseState.h"
#include "framework/SuiteOptions.h"

#include "platform/forms/end.h"
#include "platform/services.h"

#include <QFile>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <memory>
#include <vector>

namespace testing_support {

// An exercise window `Window` started the way a pupil meets it: suite options written in the
// program folder, a stand-in launcher beside it, the command line set, the program folder
// entered as the program's start does.
template <class Window>
class ExerciseTest : public SuiteTest {
protected:
    ExerciseTest()
    {
        addProgram("startomo");
        writeOptions(options);
    }
    ~ExerciseTest() override { stop(); }

    void writeOptions(const SuiteOptions& o) const
    {
        writeFile(programDir() + "/options4.ini", suiteOptionLines(o));
        QFile::remove(dataDir() + "/options4.ini");
    }
    void writeOptions() const { writeOptions(options); }

    // The command line the launcher gives the exercise for `pupil`, results logged, with the real
    // launcher in place for the exercise's end to start.
    QString launchedForPupil(const QString& pupil)
    {
        options.ProtSave = 1;
        writeOptions();
        const QString arguments = QStringLiteral("Q /p=\"%1\" /n=\"%2\"").arg(this->appDataDir(), pupil);
        this->useRealLauncher(arguments);
        return arguments;
    }

    // `args` go to the window's constructor after the program state.
    template <class... Args>
    Window& start(const QString& arguments = QStringLiteral("Q"), const Args&... args)
    {
        stop();
        platform::resetProgramEnded();
        if (processes)
            processes->arguments = arguments;
        state = ExerciseState();
        // What every program's start does before its window loads.
        platform::enterProgramFolder();
        form = std::make_unique<Window>(state, args...);
        form->show();
        return *form;
    }

    // The window's control of that name, as the layout names it ("Worttaste(3)", "Bild(2)").
    template <class Control>
    Control* control(const QString& name) const
    {
        return testing_support::control<Control>(*form, name);
    }

    void stop()
    {
        if (form && form->loaded())
            form->unload();
        form.reset();
    }

    SuiteOptions options;
    ExerciseState state;
    std::unique_ptr<Window> form;
};

// Answers the next showings of the level dialog `Dialog`, the form `name`, with a click on the
// buttons in turn, one a showing; -1 closes it without a button. `look` sees each showing first.
template <class Dialog>
void answerLevelDialog(const QString& name, std::vector<int> buttons, std::function<void(Dialog&)> look = {})
{
    if (buttons.empty())
        return;
    whenShown(name, [name, buttons, look](platform::Form& shown) {
        auto& dialog = static_cast<Dialog&>(shown);
        if (look)
            look(dialog);
        answerLevelDialog(name, {buttons.begin() + 1, buttons.end()}, look);
        if (buttons.front() < 0)
            dialog.close();
        else if (auto* level = control<QPushButton>(dialog, QStringLiteral("Stufe%1").arg(buttons.front())))
            QTest::mouseClick(level, Qt::LeftButton);
    });
}

} // namespace testing_support

#pragma once

#include "fixture.h"

#include "ExerciseState.h"
#include "SuiteOptions.h"

#include "platform/forms/end.h"
#include "platform/services.h"

#include <QFile>

#include <memory>

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

    Window& start(const QString& arguments = QStringLiteral("Q"))
    {
        stop();
        platform::resetProgramEnded();
        if (processes)
            processes->arguments = arguments;
        state = ExerciseState();
        // What every program's start does before its window loads.
        platform::enterProgramFolder();
        form = std::make_unique<Window>(state);
        form->show();
        return *form;
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

} // namespace testing_support

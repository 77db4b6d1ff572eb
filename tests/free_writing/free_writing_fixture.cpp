#include "free_writing_fixture.h"

#include "platform/forms/end.h"
#include "platform/services.h"

FreeWritingTest::FreeWritingTest()
{
    addProgram("startomo");
    writeOptions(options);
}

FreeWritingTest::~FreeWritingTest()
{
    stop();
}

void FreeWritingTest::writeOptions(const SuiteOptions& o) const
{
    writeFile(programDir() + "/options4.ini", suiteOptionLines(o));
    QFile::remove(dataDir() + "/options4.ini");
}

Form1& FreeWritingTest::start(const QString& arguments)
{
    stop();
    platform::resetProgramEnded();
    if (processes)
        processes->arguments = arguments;
    state = ExerciseState();
    // What every program's start does before its window loads.
    platform::enterProgramFolder();
    form = std::make_unique<Form1>(state);
    form->show();
    return *form;
}

void FreeWritingTest::stop()
{
    if (form && form->loaded())
        form->unload();
    form.reset();
}

void FreeWritingTest::type(const QString& text, QWidget* control) const
{
    // Key codes of the characters themselves, so letters beyond ASCII ("ä", "ß") go too.
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, control ? control : form.get(), Qt::Key(c.toUpper().unicode()),
                            QString(c), Qt::NoModifier);
}

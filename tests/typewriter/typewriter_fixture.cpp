#include "typewriter_fixture.h"

#include "platform/forms/end.h"
#include "platform/services.h"

TypewriterTest::TypewriterTest()
{
    addProgram("startomo");
    writeOptions(options);
}

TypewriterTest::~TypewriterTest()
{
    stop();
}

void TypewriterTest::writeOptions(const SuiteOptions& o) const
{
    writeFile(programDir() + "/options4.ini", suiteOptionLines(o));
    QFile::remove(dataDir() + "/options4.ini");
}

Form1& TypewriterTest::start(const QString& arguments, Level level)
{
    stop();
    platform::resetProgramEnded();
    if (processes)
        processes->arguments = arguments;
    state = ExerciseState();
    // What every program's start does before its window loads.
    platform::enterProgramFolder();
    testing_support::whenShown("SStufe", [this, level](platform::Form& form) {
        auto& dialog = static_cast<SStufe&>(form);
        if (onLevelDialog)
            onLevelDialog(dialog);
        click(dialog.Stufe[static_cast<std::size_t>(level)]);
    });
    form = std::make_unique<Form1>(state);
    form->show();
    return *form;
}

void TypewriterTest::stop()
{
    if (form && form->loaded())
        form->unload();
    form.reset();
}

int TypewriterTest::keyFor(const QString& tile, bool first)
{
    for (int i = 0; i < kKeyCount; ++i) {
        const TypewriterKey& key = kTypewriterKeys[static_cast<std::size_t>(i)];
        if (QString::fromUtf8(first ? key.first : key.later).compare(tile, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

void TypewriterTest::click(QAbstractButton* button) const
{
    QTest::mouseClick(button, Qt::LeftButton);
}

void TypewriterTest::pressKey(int index) const
{
    click(form->Worttaste[static_cast<std::size_t>(index)]);
}

void TypewriterTest::typeWord() const
{
    while (!form->typing.complete()) {
        const int before = form->typing.AktNummer;
        pressKey(keyFor(form->typing.Aktuell, form->typing.AktNummer == 1));
        if (form->typing.AktNummer == before)
            return;
    }
}

int TypewriterTest::wrongKey() const
{
    const int right = keyFor(form->typing.Aktuell, form->typing.AktNummer == 1);
    return right == 0 ? 1 : 0;
}

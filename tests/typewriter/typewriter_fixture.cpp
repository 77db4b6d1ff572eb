#include "typewriter_fixture.h"

Form1& TypewriterTest::start(const QString& arguments, Level level)
{
    testing_support::answerLevelDialog<SStufe>("SStufe", {level}, onLevelDialog);
    return ExerciseTest::start(arguments);
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

// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/typewriter/typewriter_fixture.h"

using typewriter::Form1;

Form1& TypewriterTest::start(const QString& arguments, Level level)
{
    testing_support::answerLevelDialog<SStufe>("SStufe", {level}, onLevelDialog);
    return ExerciseTest::start(arguments);
}

const QStringList TypewriterTest::kSounds{"A", "B", "D", "E", "F", "G", "H", "I",  "K",  "L",  "M",  "N",
                                          "O", "P", "R", "S", "T", "U", "W", "Z", "Au", "Ei", "Sch"};

int TypewriterTest::keyFor(const QString& sound)
{
    for (qsizetype i = 0; i < kSounds.size(); ++i)
        if (kSounds[i].compare(sound, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    return -1;
}

QString TypewriterTest::nextSound(const QString& rest)
{
    for (const QString group : {"Sch", "Au", "Ei"})
        if (rest.startsWith(group, Qt::CaseInsensitive))
            return rest.left(group.size());
    return rest.left(1);
}

void TypewriterTest::click(QAbstractButton* button) const
{
    QTest::mouseClick(button, Qt::LeftButton);
}

void TypewriterTest::pressKey(int index) const
{
    if (auto* key = control<QAbstractButton>(QStringLiteral("Worttaste(%1)").arg(index)))
        click(key);
}

QString TypewriterTest::written() const
{
    const auto* line = control<QLabel>(QStringLiteral("Schrift"));
    return line ? line->text() : QString();
}

void TypewriterTest::typeWord(const QString& word) const
{
    const auto* wrong = control<QLabel>(QStringLiteral("Falsch"));
    if (!wrong)
        return;
    while (written() != word) {
        const QString before = written();
        if (!word.startsWith(before)) {
            ADD_FAILURE() << "\"" << before.toStdString() << "\" does not lead to " << word.toStdString();
            return;
        }
        const int key = keyFor(nextSound(word.mid(before.size())));
        if (key < 0) {
            ADD_FAILURE() << "no key goes on with " << word.mid(before.size()).toStdString();
            return;
        }
        pressKey(key);
        if (written() == before || !wrong->isHidden())
            return;
    }
}

int TypewriterTest::wrongKey() const
{
    const QString rest = form->typing.Wortname.mid(written().size());
    return keyFor(nextSound(rest)) == 0 ? 1 : 0;
}

// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercises/typewriter/Form1.h"
#include "exercises/typewriter/TypewriterKeyboard.h"

#include "tests/support/exercise_test.h"

#include "framework/SStufe.h"

#include <QTest>
#include <QToolButton>

#include <functional>

// A typewriter started the way a pupil meets it: suite options written, the command line set,
// the level dialog answered by a click.
class TypewriterTest : public testing_support::ExerciseTest<typewriter::Form1> {
protected:
    enum Level { Short = 0, Longer = 1, All = 2, Own = 3 };

    typewriter::Form1& start(const QString& arguments, Level level = All);

    // The sound of each key, key 0 to 22, as its caption and its own picture's name give it.
    static const QStringList kSounds;
    // The key of `sound` ("M", "sch", "Au", ...), or -1.
    static int keyFor(const QString& sound);
    // The sound the rest of a word begins with: "Sch", "Au" and "Ei" before a single letter.
    static QString nextSound(const QString& rest);
    void click(QAbstractButton* button) const;
    void pressKey(int index) const;
    // What the child has written so far.
    QString written() const;
    // Types `word` from where the child stands, sound by sound as the keys show them. Stops at
    // a key judged wrong.
    void typeWord(const QString& word) const;
    // Types the word the window asks for.
    void typeWord() const { typeWord(form->typing.Wortname); }
    // A key that is wrong for the next sound of the word.
    int wrongKey() const;

    // Looks at the level dialog before the child answers it.
    std::function<void(SStufe&)> onLevelDialog;
};

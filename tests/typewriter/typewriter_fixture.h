#pragma once

#include "Form1.h"
#include "TypewriterKeyboard.h"

#include "exercise_test.h"

#include "SStufe.h"

#include <QTest>
#include <QToolButton>

#include <functional>

// A typewriter started the way a pupil meets it: suite options written, the command line set,
// the level dialog answered by a click.
class TypewriterTest : public testing_support::ExerciseTest<Form1> {
protected:
    enum Level { Short = 0, Longer = 1, All = 2, Own = 3 };

    Form1& start(const QString& arguments, Level level = All);

    // The key that types `tile` at this place of the word.
    static int keyFor(const QString& tile, bool first);
    void click(QAbstractButton* button) const;
    void pressKey(int index) const;
    // Types the current word from where the child stands.
    void typeWord() const;
    // A key that is wrong for the tile expected now.
    int wrongKey() const;

    // Looks at the level dialog before the child answers it.
    std::function<void(SStufe&)> onLevelDialog;
};

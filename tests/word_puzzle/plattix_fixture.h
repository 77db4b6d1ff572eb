#pragma once

#include "Form1.h"

#include "fixture.h"

#include "SStufe.h"
#include "SuiteOptions.h"

#include <QTest>

#include <functional>
#include <memory>

// The word puzzle started the way a pupil meets it: the built-in words' pictures in the
// program folder, suite options written, the command line set, the level dialog answered.
class PlattixTest : public testing_support::SuiteTest {
protected:
    enum Level { Easy = 0, Harder = 1, All = 2, OwnPictures = 3, Closed = -1 };

    PlattixTest();
    ~PlattixTest() override;

    void writeOptions() const;
    Form1& start(const QString& arguments, Level level = All);
    void stop();

    // Scripted random numbers: word n of a pool of `count`, layout l.
    static double draw(int n, int count) { return (n - 0.5) / count; }
    static double layout(int l) { return (l - 0.5) / 10; }

    static void click(QAbstractButton* button);
    void clickTile(int tile) const;
    // Clicks the first visible tile that shows `text`.
    void clickText(const QString& text) const;
    // Builds the current word from where the child stands.
    void buildWord() const;
    // A visible tile whose piece is wrong now.
    int wrongTile() const;
    QStringList tileTexts() const;
    static void writePicture(const QString& path);

    std::function<void(SStufe&)> onLevelDialog;
    SuiteOptions options;
    ExerciseState state;
    std::unique_ptr<Form1> form;
};

#pragma once

#include "Form1.h"

#include "fixture.h"

#include "ListAuswahl.h"
#include "SStufe.h"
#include "SuiteOptions.h"

#include <QTest>

#include <functional>
#include <memory>
#include <vector>

// The syllable puzzle started the way a teacher or child meets it: suite options written, the
// command line set, the level dialog answered by a click.
class FugolinTest : public testing_support::SuiteTest {
protected:
    enum Level { Three = 0, Longer = 1, All = 2, More = 3, OwnLists = 4, OwnPictures = 5, Closed = -1 };

    FugolinTest();
    ~FugolinTest() override;

    void writeOptions() const;
    // Answers the level dialog with `level`, and later showings of it with `later` in turn.
    Form1& start(const QString& arguments, Level level = All, std::vector<Level> later = {});
    void stop();

    // Scripted random numbers: word n of a set of `count`, the other word k of 21, layout l.
    static double draw(int n, int count) { return (n - 0.5) / count; }
    static double layout(int l) { return (l - 0.5) / 10; }

    static void click(QAbstractButton* button);
    void clickTile(int tile) const;
    // Clicks the tile that shows `text` (the first of them).
    void clickText(const QString& text) const;
    // Builds the current word from where the child stands.
    void buildWord() const;
    // A visible tile with a syllable that is wrong now.
    int wrongTile() const;
    QStringList tileTexts() const;
    // Clicks the list of that name in the word-list dialog, or "Zurück" for an empty name.
    static void chooseList(ListAuswahl& dialog, const QString& name);
    static void writePicture(const QString& path);

    // Acts in the level dialog before the child answers it.
    std::function<void(SStufe2&)> onLevelDialog;
    int levelDialogs = 0;
    SuiteOptions options;
    ExerciseState state;
    std::unique_ptr<Form1> form;

private:
    void answerLevelDialog(std::vector<Level> levels);
};

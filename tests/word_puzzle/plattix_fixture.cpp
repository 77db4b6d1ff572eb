#include "plattix_fixture.h"

PlattixTest::PlattixTest()
{
    const PuzzleWords words;
    for (int n = 1; n <= words.count(); ++n)
        copyFromSuite(words.word(n) + ".bmp");
}

Form1& PlattixTest::start(const QString& arguments, Level level)
{
    testing_support::answerLevelDialog<SStufe>("SStufe", {level}, onLevelDialog);
    return TilePuzzleTest::start(arguments);
}

#include "word_building_fixture.h"

#include "LetterWords.h"

namespace {

class WordBuildingProcessTest : public WordBuildingTest {
protected:
    WordBuildingProcessTest() : WordBuildingTest(std::make_unique<LetterWords>()) {}
};

TEST_F(WordBuildingProcessTest, EndingStartsTheRealLauncherWithThePupilsName)
{
    options.ProtSave = 1;
    const QString arguments = QString("Q /p=\"%1\" /n=\"Anna\"").arg(appDataDir());
    useRealLauncher(arguments);
    Form1& f = start(arguments);
    click(f.Ende);
    EXPECT_EQ(startedLauncher(), QStringList{"/n=\"Anna\""});
}

} // namespace

#include "fugolin_fixture.h"

namespace {

TEST_F(FugolinTest, ExitStartsTheRealLauncherWithThePupilsName)
{
    Form1& f = start(launchedForPupil("Lena"));
    buildWord();
    click(f.Exitknopf);
    EXPECT_EQ(startedLauncher(), QStringList{"/n=\"Lena\""});
}

} // namespace

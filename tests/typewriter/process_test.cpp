#include "typewriter_fixture.h"

namespace {

TEST_F(TypewriterTest, EndingStartsTheRealLauncherWithThePupilsName)
{
    Form1& f = start(launchedForPupil("Anna"));
    click(f.Ende);
    EXPECT_EQ(startedLauncher(), QStringList{"/n=\"Anna\""});
}

} // namespace

#include "marking_fixture.h"

namespace {

TEST_F(MarkingTest, EndingStartsTheRealLauncherWithThePupilsName)
{
    Form1& f = start(launchedForPupil("Anna"));
    click(f.Ende);
    EXPECT_EQ(startedLauncher(), QStringList{"/n=\"Anna\""});
}

} // namespace

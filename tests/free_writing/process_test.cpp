#include "free_writing_fixture.h"

#include "platform/forms/end.h"

namespace {

TEST_F(FreeWritingTest, EndingStartsTheRealLauncherWithThePupilsName)
{
    Form1& f = start(launchedForPupil("Max"));
    click(f.Ende);
    EXPECT_TRUE(platform::programEnded());
    EXPECT_EQ(startedLauncher(), QStringList{"/n=\"Max\""});
}

} // namespace

#include "free_writing_fixture.h"

#include "platform/forms/end.h"

namespace {

TEST_F(FreeWritingTest, EndingStartsTheRealLauncherWithThePupilsName)
{
    options.ProtSave = 1;
    writeOptions(options);
    const QString arguments = QString("Q /p=\"%1\" /n=\"Max\"").arg(appDataDir());
    useRealLauncher(arguments);
    Form1& f = start(arguments);
    click(f.Ende);
    EXPECT_TRUE(platform::programEnded());
    EXPECT_EQ(startedLauncher(), QStringList{"/n=\"Max\""});
}

} // namespace

#include "typewriter_fixture.h"

namespace {

TEST_F(TypewriterTest, EndingStartsTheRealLauncherWithThePupilsName)
{
    options.ProtSave = 1;
    writeOptions(options);
    const QString arguments = QString("Q /p=\"%1\" /n=\"Anna\"").arg(appDataDir());
    useRealLauncher(arguments);
    Form1& f = start(arguments);
    click(f.Ende);
    EXPECT_EQ(startedLauncher(), QStringList{"/n=\"Anna\""});
}

} // namespace

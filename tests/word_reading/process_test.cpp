#include "reading_fixture.h"

namespace {

TEST_F(ReadingTest, EndingStartsTheRealLauncherWithThePupilsName)
{
    options.ProtSave = 1;
    writeOptions(options);
    const QString arguments = QString("Q /p=\"%1\" /n=\"Anna\"").arg(appDataDir());
    useRealLauncher(arguments);
    Form1& f = start(arguments);
    QTest::mouseClick(f.Ende, Qt::LeftButton);
    EXPECT_EQ(startedLauncher(), QStringList{"/n=\"Anna\""});
}

} // namespace

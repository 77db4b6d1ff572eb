// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/word_reading/reading_fixture.h"

using word_reading::Form1;

namespace {

TEST_F(ReadingTest, EndingStartsTheRealLauncherWithThePupilsName)
{
    Form1& f = start(launchedForPupil("Anna"));
    QTest::mouseClick(f.Ende, Qt::LeftButton);
    EXPECT_EQ(startedLauncher(), QStringList{"/n=\"Anna\""});
}

} // namespace

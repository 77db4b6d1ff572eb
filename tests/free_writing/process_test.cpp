// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/free_writing/free_writing_fixture.h"

#include "platform/forms/end.h"

using free_writing::Form1;

namespace {

TEST_F(FreeWritingTest, EndingStartsTheRealLauncherWithThePupilsName)
{
    Form1& f = start(launchedForPupil("Max"));
    click(f.Ende);
    EXPECT_TRUE(platform::programEnded());
    EXPECT_EQ(startedLauncher(), QStringList{"/n=\"Max\""});
}

} // namespace

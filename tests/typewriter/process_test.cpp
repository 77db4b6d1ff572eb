// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/typewriter/typewriter_fixture.h"

using typewriter::Form1;

namespace {

TEST_F(TypewriterTest, EndingStartsTheRealLauncherWithThePupilsName)
{
    Form1& f = start(launchedForPupil("Anna"));
    click(f.Ende);
    EXPECT_EQ(startedLauncher(), QStringList{"/n=\"Anna\""});
}

} // namespace

// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/syllable_puzzle/fugolin_fixture.h"

using syllable_puzzle::Form1;

namespace {

TEST_F(FugolinTest, ExitStartsTheRealLauncherWithThePupilsName)
{
    Form1& f = start(launchedForPupil("Lena"));
    buildWord();
    click(f.Exitknopf);
    EXPECT_EQ(startedLauncher(), QStringList{"/n=\"Lena\""});
}

} // namespace

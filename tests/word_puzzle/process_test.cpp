// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/word_puzzle/plattix_fixture.h"

using word_puzzle::Form1;

namespace {

TEST_F(PlattixTest, ExitStartsTheRealLauncherWithThePupilsName)
{
    Form1& f = start(launchedForPupil("Lena"));
    buildWord();
    click(f.Exitknopf);
    EXPECT_EQ(startedLauncher(), QStringList{"/n=\"Lena\""});
}

} // namespace

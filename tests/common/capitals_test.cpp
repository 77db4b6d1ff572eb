// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/common/Capitals.h"

#include <gtest/gtest.h>

TEST(Capitals, UmlautsBecomeCapitalsAndSharpSStaysOneCharacter)
{
    EXPECT_EQ(toCapitals(QStringLiteral("Mütze")), QStringLiteral("MÜTZE"));
    EXPECT_EQ(toCapitals(QStringLiteral("äöü schau")), QStringLiteral("ÄÖÜ SCHAU"));
    EXPECT_EQ(toCapitals(QStringLiteral("Gießkanne")), QStringLiteral("GIEßKANNE"));
    EXPECT_EQ(toCapitals(QStringLiteral("Gießkanne")).size(), 9);
}

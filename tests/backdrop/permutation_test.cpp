// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/backdrop/ZuZahl.h"

#include "tests/support/fixture.h"

#include <vector>

namespace {

class PermutationTest : public testing_support::SuiteTest {
protected:
    // Every position marked, so a test sees which ones a draw changed.
    void mark()
    {
        for (int k = 1; k <= ZuZahl::kPositions; ++k)
            reihe.setZahl(k, 100 + k);
    }
    std::vector<int> first(int n) const
    {
        std::vector<int> values;
        for (int k = 1; k <= n; ++k)
            values.push_back(reihe.Zahl(k));
        return values;
    }
    ZuZahl reihe;
};

TEST_F(PermutationTest, OneNumberIsAlwaysOne)
{
    clock->randoms = {0.99};
    EXPECT_TRUE(reihe.ZufallsZahl(1));
    EXPECT_EQ(reihe.Zahl(1), 1);
}

TEST_F(PermutationTest, ThreeNumbersGiveEachOrderAndLeaveTheRestAlone)
{
    // The k-th draw picks among the numbers still free, counted from the smallest.
    struct Case {
        std::deque<double> draws;
        std::vector<int> order;
    };
    const Case cases[] = {
        {{0.0, 0.0, 0.0}, {1, 2, 3}}, {{0.0, 0.6, 0.0}, {1, 3, 2}}, {{0.4, 0.2, 0.9}, {2, 1, 3}},
        {{0.5, 0.5, 0.5}, {2, 3, 1}}, {{0.99, 0.0, 0.0}, {3, 1, 2}}, {{0.7, 0.99, 0.99}, {3, 2, 1}},
    };
    for (const Case& c : cases) {
        mark();
        clock->randoms = c.draws;
        EXPECT_TRUE(reihe.ZufallsZahl(3));
        EXPECT_EQ(first(3), c.order);
        for (int k = 4; k <= ZuZahl::kPositions; ++k)
            ASSERT_EQ(reihe.Zahl(k), 100 + k) << k;
    }
}

TEST_F(PermutationTest, AShorterArrangementKeepsTheLaterPositionsOfTheLongerOne)
{
    EXPECT_TRUE(reihe.ZufallsZahl(10));
    const std::vector<int> ten = first(10);
    std::vector<int> sorted = ten;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_TRUE(reihe.ZufallsZahl(4));
    const std::vector<int> now = first(10);
    EXPECT_EQ(std::vector<int>(now.begin() + 4, now.end()), std::vector<int>(ten.begin() + 4, ten.end()));
    std::vector<int> four(now.begin(), now.begin() + 4);
    std::sort(four.begin(), four.end());
    EXPECT_EQ(four, (std::vector<int>{1, 2, 3, 4}));
}

TEST_F(PermutationTest, TooManyOrNoNumbersChangeNothing)
{
    for (const int max : {31, 0}) {
        mark();
        clock->randoms = {0.5, 0.5};
        EXPECT_EQ(reihe.ZufallsZahl(max), max == 0) << max;
        for (int k = 1; k <= ZuZahl::kPositions; ++k)
            ASSERT_EQ(reihe.Zahl(k), 100 + k) << max << " " << k;
        EXPECT_EQ(clock->randoms.size(), 2u) << "no draw for " << max;
    }
}

} // namespace

// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/UsedWordFile.h"
#include "framework/Zufall_Array.h"

#include "tests/support/fixture.h"

#include <QFile>

#include <algorithm>
#include <numeric>
#include <set>

using testing_support::SuiteTest;

namespace {

class DrawingTest : public SuiteTest {
protected:
    // Scripts draws that hit `numbers` in that order for a set of `size`.
    void script(const std::vector<int>& numbers, int size)
    {
        for (const int n : numbers)
            clock->randoms.push_back((n - 0.5) / size);
    }
    static std::vector<int> shuffled(int size)
    {
        std::vector<int> numbers(static_cast<size_t>(size));
        std::iota(numbers.begin(), numbers.end(), 1);
        std::reverse(numbers.begin(), numbers.end());
        std::rotate(numbers.begin(), numbers.begin() + size / 3, numbers.end());
        return numbers;
    }
    QString tempFile() const { return root.path() + QStringLiteral("/QLS1.tmp"); }
};

} // namespace

TEST_F(DrawingTest, ZufallArrayDrawsEachNumberOncePerPass)
{
    for (const int n : {0, 1, 5, -4}) {
        Zufall_Array drawer;
        drawer.setAnzahl(n);
        const int pass = std::max(n, 1);
        for (int round = 0; round < 3; ++round) {
            std::set<int> drawn;
            for (int i = 1; i <= pass; ++i) {
                drawn.insert(drawer.ZufallsZahl());
                EXPECT_EQ(drawer.ReachedEnd(), i == pass) << "n=" << n << " draw " << i;
            }
            EXPECT_EQ(drawn.size(), static_cast<size_t>(pass)) << "n=" << n;
            EXPECT_EQ(*drawn.begin(), 1);
            EXPECT_EQ(*drawn.rbegin(), pass);
        }
    }
}

TEST_F(DrawingTest, SettingAnzahlMidPassStartsAFreshPass)
{
    Zufall_Array drawer;
    drawer.setAnzahl(5);
    drawer.ZufallsZahl();
    drawer.ZufallsZahl();
    drawer.setAnzahl(5);
    EXPECT_EQ(drawer.Anzahl(), 5);
    std::set<int> drawn;
    for (int i = 0; i < 5; ++i)
        drawn.insert(drawer.ZufallsZahl());
    EXPECT_EQ(drawn.size(), 5u);
    EXPECT_TRUE(drawer.ReachedEnd());
}

TEST_F(DrawingTest, UsedWordFileDrawsEveryNumberOnceThenStartsANewSet)
{
    for (const QString& file : {tempFile(), QString()}) {
        UsedWordFile used(file);
        used.reset();
        script(shuffled(94), 94);
        std::set<int> drawn;
        for (int i = 0; i < 94; ++i)
            drawn.insert(used.PickWordIndex(94));
        EXPECT_EQ(drawn.size(), 94u);
        EXPECT_EQ(*drawn.rbegin(), 94);
        script({17}, 94);
        EXPECT_EQ(used.PickWordIndex(94), 17);
        if (!file.isEmpty()) {
            EXPECT_EQ(readBytes(file), QByteArray(" 17 \r\n"));
        }
        script({3}, 94);
        EXPECT_EQ(used.PickWordIndex(94), 3);
    }
}

TEST_F(DrawingTest, UsedWordFileRecordsEachDrawAsANumberLine)
{
    UsedWordFile used(tempFile());
    script({5, 5, 2}, 21);
    EXPECT_EQ(used.PickWordIndex(21), 5);
    EXPECT_EQ(used.PickWordIndex(21), 2);
    EXPECT_EQ(used.DrawTries(), 2);
    EXPECT_EQ(readBytes(tempFile()), QByteArray(" 5 \r\n 2 \r\n"));
    used.reset();
    EXPECT_EQ(readBytes(tempFile()), QByteArray());
}

TEST_F(DrawingTest, ScanFindsTheLastFreeNumberWithoutRecordingIt)
{
    QByteArray numbers;
    for (int n = 1; n <= 21; ++n)
        if (n != 7)
            numbers += ' ' + QByteArray::number(n) + " \r\n";
    writeBytes(tempFile(), numbers);
    UsedWordFile used(tempFile());
    clock->randoms.assign(66, 0.0);
    EXPECT_EQ(used.PickWordIndex(21), 7);
    EXPECT_EQ(used.DrawTries(), 66);
    EXPECT_EQ(readBytes(tempFile()), numbers);
}

TEST_F(DrawingTest, LevelChangeForgetsTheOldNumbers)
{
    UsedWordFile used(tempFile());
    script({1, 2}, 3);
    used.PickWordIndex(3);
    used.PickWordIndex(3);
    used.reset();
    script({1}, 2);
    EXPECT_EQ(used.PickWordIndex(2), 1);
    EXPECT_EQ(used.DrawTries(), 1);
}

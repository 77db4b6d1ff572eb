// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/UsedWordFile.h"

#include "platform/files.h"
#include "platform/services.h"

#include <algorithm>
#include <cmath>

UsedWordFile::UsedWordFile(const QString& tempFile) : file_(tempFile) {}

void UsedWordFile::reset()
{
    rewrite({});
}

int UsedWordFile::PickWordIndex(int wordCount)
{
    drawTries_ = 0;
    while (drawTries_ < kMaxRandomTries) {
        const int n =
            static_cast<int>(std::floor(platform::services().clock->random() * wordCount)) + 1;
        ++drawTries_;
        if (startNewSetIfFull(n, wordCount))
            return drawnNumber_;
        const std::vector<int> used = readAll();
        if (std::find(used.begin(), used.end(), n) == used.end()) {
            append(n);
            drawnNumber_ = n;
            return n;
        }
    }
    // Every random try hit a used number: take the first free one, without recording it.
    for (int n = 1; n <= wordCount; ++n) {
        if (startNewSetIfFull(n, wordCount))
            return drawnNumber_;
        const std::vector<int> used = readAll();
        if (std::find(used.begin(), used.end(), n) == used.end()) {
            drawnNumber_ = n;
            return n;
        }
    }
    return drawnNumber_;
}

// A complete set starts over with n as its only number.
bool UsedWordFile::startNewSetIfFull(int n, int wordCount)
{
    if (static_cast<int>(readAll().size()) < wordCount)
        return false;
    rewrite({n});
    drawnNumber_ = n;
    return true;
}

std::vector<int> UsedWordFile::readAll() const
{
    if (file_.isEmpty())
        return memory_;
    const platform::NumberFile numbers = platform::readNumberFile(file_);
    return {numbers.values.begin(), numbers.values.end()};
}

void UsedWordFile::rewrite(const std::vector<int>& numbers)
{
    if (file_.isEmpty()) {
        memory_ = numbers;
        return;
    }
    platform::writeNumberFile(file_, QVector<qint64>(numbers.begin(), numbers.end()));
}

void UsedWordFile::append(int n)
{
    if (file_.isEmpty()) {
        memory_.push_back(n);
        return;
    }
    platform::appendTextLines(file_, {platform::formatNumber(n)});
}

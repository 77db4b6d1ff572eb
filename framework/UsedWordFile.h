// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <vector>

// The used-word file: the numbers of a built-in word set drawn so far, one per line in the
// scratch file, so that no word repeats before the set is complete. Without a scratch file
// (empty name) the same rules run on a list in memory.
class UsedWordFile {
public:
    explicit UsedWordFile(const QString& tempFile);

    // Empties the used-word file.
    void reset();
    // Draws the next number of 1..wordCount and records it.
    int PickWordIndex(int wordCount);
    int DrawTries() const { return drawTries_; }

    static constexpr int kMaxRandomTries = 66;

private:
    std::vector<int> readAll() const;
    void rewrite(const std::vector<int>& numbers);
    void append(int n);
    bool startNewSetIfFull(int n, int wordCount);

    QString file_;
    std::vector<int> memory_;
    int drawnNumber_ = 0;
    int drawTries_ = 0;
};

// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace word_puzzle {

// The 82 built-in words of the word puzzle: 1-49 easy, 50-82 harder. A word's pieces are its
// letters and letter groups ("Sch", "ei", "ck", ...), padded with blank pieces to eight.
class PuzzleWords {
public:
    static constexpr int kPieces = 8;
    static constexpr int kAll = 82;
    static constexpr int kEasy = 49;
    static constexpr int kHarder = 33;

    PuzzleWords();
    int count() const { return static_cast<int>(words_.size()); }
    // Entry n (1-based).
    QString word(int n) const { return words_.value(n - 1); }
    // The eight pieces of entry n, blank pieces after the word.
    QStringList pieces(int n) const { return cutIntoPieces(word(n)); }

    static QStringList cutIntoPieces(const QString& word);

private:
    QStringList words_;
};

} // namespace word_puzzle

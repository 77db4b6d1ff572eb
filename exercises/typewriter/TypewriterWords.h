// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace typewriter {

// A word cut into the tiles the keys type; always eight entries, empty after the word's end.
QStringList splitTiles(const QString& word);

// The word typewriter's levels.
enum class TypewriterLevel { All = 0, Short = 1, Longer = 2, OwnPictures = 10 };

// The 94 built-in words: 1-73 short words, 74-94 longer words.
class TypewriterWords {
public:
    static constexpr int kAll = 94;
    static constexpr int kShort = 73;
    static constexpr int kLonger = 21;

    TypewriterWords();
    int count() const { return static_cast<int>(words_.size()); }
    // Entry n (1-based).
    QString word(int n) const { return words_.value(n - 1); }
    QStringList tiles(int n) const { return splitTiles(word(n)); }

private:
    QStringList words_;
};

} // namespace typewriter

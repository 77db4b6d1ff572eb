// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The 49 built-in syllable words, "Kin-der-wa-gen": 1-21 of four or more syllables, 22-49 of
// three. The picture of word n is the resource ":/syllables/<100 + n>.bmp".
class SyllableWords {
public:
    static constexpr int kAll = 49;
    static constexpr int kLonger = 21;
    static constexpr int kThree = 28;

    SyllableWords();
    int count() const { return static_cast<int>(words_.size()); }
    // Entry n (1-based), with its hyphens.
    QString word(int n) const { return words_.value(n - 1); }
    static QString picture(int n);

private:
    QStringList words_;
};

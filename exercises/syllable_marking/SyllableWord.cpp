// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/syllable_marking/SyllableWord.h"

#include "framework/SyllableSplit.h"

#include <algorithm>
#include <array>

namespace syllable_marking {

SyllableWord::SyllableWord(const QString& hyphenated) : syllables_(splitSyllables(hyphenated, kMaxSyllables)) {}

QString SyllableWord::prefix(int next) const
{
    return syllables_.mid(0, next).join(QLatin1Char(' '));
}

QString SyllableWord::rest(int next) const
{
    return QLatin1Char(' ') + syllables_.mid(next).join(QString());
}

bool isWritableKey(int keyAscii)
{
    static constexpr std::array<int, 11> kExtra{95, 128, 167, 176, 196, 214, 220, 223, 228, 246, 252};
    return (keyAscii >= 33 && keyAscii <= 63) || (keyAscii >= 65 && keyAscii <= 90)
           || (keyAscii >= 97 && keyAscii <= 122)
           || std::find(kExtra.begin(), kExtra.end(), keyAscii) != kExtra.end();
}

bool matchesStart(const QString& written, const QString& word)
{
    return word.startsWith(written, Qt::CaseSensitive);
}

} // namespace syllable_marking

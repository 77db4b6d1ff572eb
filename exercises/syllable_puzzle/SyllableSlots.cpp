// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/syllable_puzzle/SyllableSlots.h"

#include "framework/SyllableSplit.h"
#include "exercises/common/SyllableWords.h"

#include "platform/services.h"

#include <cmath>

namespace syllable_puzzle {

QStringList syllableSlots(const QString& word)
{
    QStringList pieces = splitSyllables(word, kSyllableSlots);
    while (pieces.size() < kSyllableSlots)
        pieces.append(QString());
    return pieces;
}

void SilbenZusatz(QStringList& pieces, int Nummer, const SyllableWords& words)
{
    int other = 0;
    do {
        other = static_cast<int>(std::floor(platform::services().clock->random() * SyllableWords::kLonger)) + 1;
    } while (other == Nummer);
    const QStringList distractors = syllableSlots(words.word(other));
    int next = 0;
    for (int slot = 3; slot < kSyllableSlots; ++slot)
        if (pieces[slot].isEmpty())
            pieces[slot] = distractors.value(next++);
}

} // namespace syllable_puzzle

// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class SyllableWords;

namespace syllable_puzzle {

// The seven syllable slots of a puzzle word: its syllables first, then distractors.
constexpr int kSyllableSlots = 7;

// The slots of a hyphenated word, empty after its last syllable.
QStringList syllableSlots(const QString& word);

// Fills the free slots 4 to 7 with the first syllables of another built-in word of four or
// more syllables than entry `Nummer`, drawn at random.
void SilbenZusatz(QStringList& pieces, int Nummer, const SyllableWords& words);

} // namespace syllable_puzzle

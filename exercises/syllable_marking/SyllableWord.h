// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace syllable_marking {

// Syllable recognition's word sets.
enum class MarkingLevel { All = 0, Three = 1, Longer = 2, OwnLists = 10, MoreLists = 11, OwnPictures = 100 };

// A word cut into its syllables for marking: at most six, so that five boundaries mark it whole.
// Syllables after the fifth are joined into the sixth; the written word stays the whole word.
class SyllableWord {
public:
    static constexpr int kMaxSyllables = 6;
    // Boundaries are counted from 1; this phase means the word is being presented.
    static constexpr int kPresenting = 8;
    static constexpr int kMarked = kMaxSyllables;
    // A click hits a boundary when it lies closer than this, in twips.
    static constexpr int kHitTolerance = 150;

    SyllableWord() = default;
    // "Kin-der-wa-gen"; an empty piece ends the word.
    explicit SyllableWord(const QString& hyphenated);

    const QStringList& syllables() const { return syllables_; }
    // The word without hyphens.
    QString word() const { return syllables_.join(QString()); }

    // The word as shown up to boundary `next` (the syllables before it separated by blanks), and
    // the unmarked rest after it, which opens with one blank.
    QString prefix(int next) const;
    QString rest(int next) const;
    // No syllable follows boundary `next`: marking is done.
    bool markedUpTo(int next) const { return rest(next).trimmed().isEmpty(); }

    static bool hits(int prefixWidth, int x)
    {
        return prefixWidth - kHitTolerance < x && x < prefixWidth + kHitTolerance;
    }

private:
    QStringList syllables_;
};

// The characters a child may write: letters, digits and punctuation, umlauts and ß; never a
// blank or "@". Codes are Windows-1252.
bool isWritableKey(int keyAscii);
// What is written so far matches the start of the word, letter case included.
bool matchesStart(const QString& written, const QString& word);

} // namespace syllable_marking

// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercises/syllable_marking/SyllableWord.h"

#include <QString>

namespace syllable_marking {

// One word of syllable recognition without widgets: how far its boundaries are marked, whether
// the child writes it, and the text the word's display shows meanwhile.
class MarkingTask {
public:
    SyllableWord word;
    // The boundary the next click must hit (1..5), SyllableWord::kMarked when all are marked,
    // SyllableWord::kPresenting while the word is being presented.
    int AktNummer = SyllableWord::kPresenting;
    bool Tippen = false;
    // What the child had written when "Hilfen" took it back to marking.
    QString Getippt;

    // A new word (none yet when empty), being presented; nothing is written.
    void start(const SyllableWord& newWord);
    // The whole word, marked from its first boundary on.
    void startMarking();
    bool marking() const { return AktNummer <= SyllableWord::kMaxSyllables - 1; }
    // The word up to the awaited boundary, as the display shows it: its width decides a click.
    QString awaitedPrefix() const { return word.prefix(AktNummer); }
    // A click `x` twips into the display, where the awaited prefix is `prefixWidth` twips wide;
    // a hit opens the boundary. True when no syllable is left to mark: marking is done.
    bool click(int prefixWidth, int x);
    // After the praise for the marking: what was written before comes back, writing goes on.
    void startWriting();
    // Writing: a character is added only while the text is shorter than the word; writing
    // ends when the word stands whole.
    void write(const QString& character);
    void eraseLast();
    // What is written matches the start of the word; all of the word.
    bool writtenMatches() const;
    bool writtenWhole() const { return shown_ == word.word(); }
    // "Hilfen": the text is kept, the whole word is marked again from its first boundary.
    void backToMarking();

    // The word as presented, marked or written so far.
    const QString& shown() const { return shown_; }

private:
    QString shown_;
};

} // namespace syllable_marking

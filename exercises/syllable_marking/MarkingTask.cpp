// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/syllable_marking/MarkingTask.h"

namespace syllable_marking {

void MarkingTask::start(const SyllableWord& newWord)
{
    word = newWord;
    AktNummer = SyllableWord::kPresenting;
    Tippen = false;
    Getippt.clear();
    shown_.clear();
}

void MarkingTask::startMarking()
{
    shown_ = word.word();
    AktNummer = 1;
}

bool MarkingTask::click(int prefixWidth, int x)
{
    if (SyllableWord::hits(prefixWidth, x)) {
        shown_ = word.prefix(AktNummer) + word.rest(AktNummer);
        ++AktNummer;
    }
    if (!word.markedUpTo(AktNummer))
        return false;
    AktNummer = SyllableWord::kMarked;
    return true;
}

void MarkingTask::startWriting()
{
    shown_ = Getippt;
    Tippen = true;
}

void MarkingTask::write(const QString& character)
{
    if (shown_.size() < word.word().size())
        shown_ += character;
    if (writtenWhole())
        Tippen = false;
}

void MarkingTask::eraseLast()
{
    if (!shown_.isEmpty())
        shown_.chop(1);
}

bool MarkingTask::writtenMatches() const
{
    return matchesStart(shown_, word.word());
}

void MarkingTask::backToMarking()
{
    Getippt = shown_;
    Tippen = false;
    startMarking();
}

} // namespace syllable_marking

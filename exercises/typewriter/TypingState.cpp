// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/typewriter/TypingState.h"

#include "exercises/common/Capitals.h"

namespace typewriter {

void TypingState::startWord(const QStringList& newTiles, bool capitals)
{
    tiles = newTiles;
    if (capitals)
        tiles = toCapitals(tiles);
    Wortname = tiles.join(QString());
    restart();
}

void TypingState::restart()
{
    AktNummer = 1;
    Aktuell = tiles.value(0);
    fehler = false;
    Schrift.clear();
    Tipp = 0;
}

void TypingState::advance()
{
    ++AktNummer;
    if (AktNummer <= tiles.size())
        Aktuell = tiles.value(AktNummer - 1);
}

TypingState::Press TypingState::press(const QString& first, const QString& later, bool capitals)
{
    if (complete() || fehler)
        return Press::Ignored;
    TransferCode = AktNummer == 1 ? first : later;
    if (capitals)
        TransferCode = toCapitals(TransferCode);
    LastPressed = TransferCode;
    Schrift += TransferCode;
    if (TransferCode != Aktuell) {
        fehler = true;
        return Press::Wrong;
    }
    advance();
    fehler = false;
    return complete() ? Press::Solved : Press::Right;
}

bool TypingState::erase()
{
    if (!fehler)
        return false;
    Schrift.chop(LastPressed.size());
    fehler = false;
    LastPressed.clear();
    return true;
}

TypingState::Help TypingState::help(int schwer)
{
    if (complete() || schwer == 2)
        return Help::Ignored;
    erase();
    Tipp = 1;
    Schrift += Aktuell;
    advance();
    return complete() ? Help::Completed : Help::Written;
}

} // namespace typewriter

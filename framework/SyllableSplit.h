// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// A hyphenated word cut into its syllables, at most `slotCount` of them: the last slot takes the
// rest of a longer word, joined without "-". A doubled "--" ends the word; a leading or
// trailing "-" is ignored. Letters are compared as characters, so umlauts and ß stay whole.
QStringList splitSyllables(const QString& word, int slotCount);

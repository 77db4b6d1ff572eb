// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/SyllableSplit.h"

QStringList splitSyllables(const QString& word, int slotCount)
{
    QStringList syllables;
    qsizetype start = 0;
    for (;;) {
        qsizetype dash = word.indexOf(QLatin1Char('-'), start + 1);
        if (dash < 0)
            dash = word.size();
        QString piece = word.mid(start, dash - start);
        if (piece.startsWith(QLatin1Char('-')))
            piece.remove(0, 1);
        start = dash;
        if (piece.isEmpty())
            return syllables;
        if (syllables.size() < slotCount)
            syllables.append(piece);
        else
            syllables.last() += piece;
    }
}

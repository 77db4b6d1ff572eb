// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/word_puzzle/PuzzleWords.h"

#include "exercises/common/WordTable.h"

namespace word_puzzle {

PuzzleWords::PuzzleWords() : words_(readWordTable(QStringLiteral("plattix"))) {}

QStringList PuzzleWords::cutIntoPieces(const QString& word)
{
    static const QStringList graphemes{
        QStringLiteral("Sch"), QStringLiteral("sch"), QStringLiteral("Au"), QStringLiteral("au"),
        QStringLiteral("Eu"),  QStringLiteral("eu"),  QStringLiteral("Ch"), QStringLiteral("ch"),
        QStringLiteral("Pf"),  QStringLiteral("pf"),  QStringLiteral("St"), QStringLiteral("st"),
        QStringLiteral("Ei"),  QStringLiteral("ei"),  QStringLiteral("ng"), QStringLiteral("nk"),
        QStringLiteral("ck"),  QStringLiteral("tz")};
    QStringList pieces = cutIntoTiles(word, graphemes, kPieces);
    while (pieces.size() < kPieces)
        pieces.append(QStringLiteral(" "));
    return pieces;
}

} // namespace word_puzzle

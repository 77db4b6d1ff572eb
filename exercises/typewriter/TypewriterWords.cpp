// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/typewriter/TypewriterWords.h"

#include "exercises/common/WordTable.h"

namespace typewriter {

namespace {

constexpr int kTiles = 8;

const QStringList& graphemes()
{
    static const QStringList list{QStringLiteral("Sch"), QStringLiteral("sch"), QStringLiteral("Ei"),
                                  QStringLiteral("ei"),  QStringLiteral("Au"),  QStringLiteral("au")};
    return list;
}

} // namespace

QStringList splitTiles(const QString& word)
{
    QStringList tiles = cutIntoTiles(word, graphemes(), kTiles);
    while (tiles.size() < kTiles)
        tiles.append(QString());
    return tiles;
}

TypewriterWords::TypewriterWords() : words_(readWordTable(QStringLiteral("tastomat")))
{
}

} // namespace typewriter

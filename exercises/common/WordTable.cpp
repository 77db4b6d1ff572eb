// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/common/WordTable.h"

#include <QFile>

QStringList readWordTable(const QString& table)
{
    QFile file(QStringLiteral(":/%1/%1.txt").arg(table));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList words = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (QString& word : words)
        word = word.trimmed();
    return words;
}

QStringList cutIntoTiles(const QString& word, const QStringList& graphemes, int maxTiles)
{
    QStringList tiles;
    for (qsizetype at = 0; at < word.size() && tiles.size() < maxTiles;) {
        QString tile = word.mid(at, 1);
        for (const QString& g : graphemes)
            if (QStringView(word).mid(at).startsWith(g)) {
                tile = g;
                break;
            }
        tiles.append(tile);
        at += tile.size();
    }
    return tiles;
}

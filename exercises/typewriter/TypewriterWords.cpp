#include "TypewriterWords.h"

#include "WordTable.h"

namespace {

constexpr int kTiles = 8;

const QStringList& graphemes()
{
    static const QStringList list{QStringLiteral("Sch"), QStringLiteral("sch"), QStringLiteral("Ei"),
                                  QStringLiteral("ei"),  QStringLiteral("Au"),  QStringLiteral("au")};
    return list;
}

QString nextTile(const QString& word, qsizetype at)
{
    for (const QString& g : graphemes())
        if (QStringView(word).mid(at).startsWith(g))
            return g;
    return word.mid(at, 1);
}

} // namespace

QStringList splitTiles(const QString& word)
{
    QStringList tiles;
    for (qsizetype at = 0; at < word.size() && tiles.size() < kTiles;) {
        tiles.append(nextTile(word, at));
        at += tiles.last().size();
    }
    while (tiles.size() < kTiles)
        tiles.append(QString());
    return tiles;
}

TypewriterWords::TypewriterWords() : words_(readWordTable(QStringLiteral("tastomat")))
{
}

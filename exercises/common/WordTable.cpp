#include "WordTable.h"

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

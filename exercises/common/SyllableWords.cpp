#include "SyllableWords.h"

#include "WordTable.h"

SyllableWords::SyllableWords() : words_(readWordTable(QStringLiteral("silben"))) {}

QString SyllableWords::picture(int n)
{
    return QStringLiteral(":/syllables/%1.bmp").arg(100 + n);
}

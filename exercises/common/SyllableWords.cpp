// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/common/SyllableWords.h"

#include "exercises/common/WordTable.h"

SyllableWords::SyllableWords() : words_(readWordTable(QStringLiteral("silben"))) {}

QString SyllableWords::picture(int n)
{
    return QStringLiteral(":/syllables/%1.bmp").arg(100 + n);
}

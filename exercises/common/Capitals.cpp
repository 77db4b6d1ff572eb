// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/common/Capitals.h"

QString toCapitals(const QString& text)
{
    QString result = text;
    for (QChar& c : result)
        c = c.toUpper();
    return result;
}

QStringList toCapitals(QStringList pieces)
{
    for (QString& piece : pieces)
        piece = toCapitals(piece);
    return pieces;
}

// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The suite's capitals (suite option 5): every letter upper case, character by character, so
// ä, ö, ü become Ä, Ö, Ü and ß stays ß. QString::toUpper would turn ß into "SS" and change the
// number of characters a tile or an erase step counts.
QString toCapitals(const QString& text);

// Every piece of a word in the suite's capitals.
QStringList toCapitals(QStringList pieces);

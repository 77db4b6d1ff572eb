// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// A built-in word table compiled in with tavoro_add_word_table: its words in table order (word n
// at index n - 1), blanks trimmed; empty when the resource is missing.
QStringList readWordTable(const QString& table);

// A word cut into tiles from left to right, at each place the first of `graphemes` the word
// continues with, else one letter; at most `maxTiles` tiles.
QStringList cutIntoTiles(const QString& word, const QStringList& graphemes, int maxTiles);

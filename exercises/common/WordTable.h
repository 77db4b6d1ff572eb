#pragma once

#include <QStringList>

// A built-in word table compiled in with tavoro_add_word_table: its words in table order (word n
// at index n - 1), blanks trimmed; empty when the resource is missing.
QStringList readWordTable(const QString& table);

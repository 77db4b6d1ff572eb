// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/files.h"

#include <QString>
#include <QStringList>

// A word-list file: one word per line, syllables joined by "-". The file named "NEU" (any
// letter case) stands for an empty new list and is never read.
namespace WordListFile {

constexpr int kMaxWords = 100;

bool isPlaceholder(const QString& fileName);

struct Words {
    QStringList words;   // at most kMaxWords, blank lines dropped, blanks trimmed
    platform::FileError error;
};
Words read(const QString& path);

} // namespace WordListFile

// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/WordListFile.h"

namespace WordListFile {

bool isPlaceholder(const QString& fileName)
{
    return fileName.toUpper() == QStringLiteral("NEU");
}

Words read(const QString& path)
{
    const platform::TextFile file = platform::readTextFile(path, true);
    Words result{{}, file.error};
    for (const QString& line : file.lines) {
        if (result.words.size() == kMaxWords)
            break;
        const QString word = line.trimmed();
        if (!word.isEmpty())
            result.words.append(word);
    }
    return result;
}

} // namespace WordListFile

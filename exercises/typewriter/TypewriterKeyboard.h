// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <array>

namespace typewriter {

// The 23 initial-sound keys of the typewriter, in index order.
struct TypewriterKey {
    const char* caption;   // "A  a"
    const char* tag;       // the sound: "A", also the own picture's file name
    const char* first;     // typed as the first tile of a word
    const char* later;     // typed as any later tile
    int row;               // 1..3
    int left;              // twips
    int width;             // twips
};

constexpr int kKeyCount = 23;
constexpr int kKeyHeight = 1035;
extern const std::array<TypewriterKey, kKeyCount> kTypewriterKeys;

int keyTop(const TypewriterKey& key);
// "A" ... "Z", "AU", "EI", "SCH" in capitals mode, else the key's own caption.
QString keyCaption(int index, bool capitals);
// Whether some key types each of the word's tiles at its place ("Ch" of "Buch" has none).
bool typeable(const QStringList& tiles);

} // namespace typewriter

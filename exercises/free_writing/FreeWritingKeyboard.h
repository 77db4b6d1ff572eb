// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

namespace free_writing {

// The 26 keys of the free writing keyboard, in index order: the vowels and vowel groups on
// top, the consonants below, and the space key.
struct FreeWritingKey {
    const char* caption;           // "A  a"
    const char* capitalsCaption;   // with capitals only: "A"
    const char* capital;           // inserted after a ticked capital box
    const char* small;             // inserted otherwise
    const char* tag;               // names the key picture; empty for the space key
    int left;                      // twips
    int top;
    int width;
};

constexpr int kFreeWritingKeyCount = 26;
constexpr int kFreeWritingKeyHeight = 1035;
// Keys 0..24 have pictures; the last is the space key.
constexpr int kSpaceKey = 25;
extern const std::array<FreeWritingKey, kFreeWritingKeyCount> kFreeWritingKeys;

} // namespace free_writing

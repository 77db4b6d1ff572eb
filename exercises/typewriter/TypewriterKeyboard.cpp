// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/typewriter/TypewriterKeyboard.h"

#include "exercises/common/Capitals.h"

#include <algorithm>

namespace typewriter {

const std::array<TypewriterKey, kKeyCount> kTypewriterKeys{{
    {"A  a", "A", "A", "a", 1, 240, 770},
    {"B  b", "B", "B", "b", 2, 1080, 770},
    {"D  d", "D", "D", "d", 2, 2760, 770},
    {"E  e", "E", "E", "e", 1, 1080, 770},
    {"F  f", "F", "F", "f", 3, 240, 770},
    {"G  g", "G", "G", "g", 2, 1920, 770},
    {"H  h", "H", "H", "h", 2, 6120, 770},
    {"I  i ", "I", "I", "i", 1, 3600, 770},
    {"K  k", "K", "K", "k", 3, 1920, 770},
    {"L  l", "L", "L", "l", 2, 4440, 770},
    {"M  m", "M", "M", "m", 2, 3600, 781},
    {"N  n", "N", "N", "n", 3, 3600, 770},
    {"O  o", "O", "O", "o", 1, 1920, 770},
    {"P  p", "P", "P", "p", 3, 1080, 770},
    {"R  r", "R", "R", "r", 2, 5280, 770},
    {"S  s", "S", "S", "s", 3, 4440, 770},
    {"T  t", "T", "T", "t", 3, 2760, 770},
    {"U  u", "U", "U", "u", 1, 2760, 770},
    {"W  w", "W", "W", "w", 2, 240, 770},
    {"Z  z", "Z", "Z", "z", 3, 5280, 770},
    {"Au  au", "Au", "Au", "au", 1, 4440, 1260},
    {"Ei  ei", "Ei", "Ei", "ei", 1, 5760, 1260},
    {"Sch sch", "Sch", "Sch", "sch", 3, 6120, 1260},
}};

int keyTop(const TypewriterKey& key)
{
    return 120 + (key.row - 1) * 1080;
}

QString keyCaption(int index, bool capitals)
{
    const TypewriterKey& key = kTypewriterKeys.at(static_cast<std::size_t>(index));
    if (!capitals)
        return QString::fromUtf8(key.caption);
    if (index >= 20)
        return toCapitals(QString::fromUtf8(key.tag));
    return QString::fromUtf8(key.caption).left(1);
}

bool typeable(const QStringList& tiles)
{
    for (qsizetype i = 0; i < tiles.size(); ++i) {
        const QString& tile = tiles[i];
        const auto types = [&](const TypewriterKey& key) {
            return QString::fromUtf8(i == 0 ? key.first : key.later) == tile;
        };
        if (!tile.isEmpty() && std::none_of(kTypewriterKeys.begin(), kTypewriterKeys.end(), types))
            return false;
    }
    return true;
}

} // namespace typewriter

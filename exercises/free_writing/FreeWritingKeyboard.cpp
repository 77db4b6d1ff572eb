// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/free_writing/FreeWritingKeyboard.h"

namespace free_writing {

const std::array<FreeWritingKey, kFreeWritingKeyCount> kFreeWritingKeys{{
    {"A  a", "A", "A", "a", "a", 120, 120, 770},
    {"B  b", "B", "B", "b", "b", 960, 1200, 770},
    {"D  d", "D", "D", "d", "d", 2640, 1200, 770},
    {"E  e", "E", "E", "e", "e", 960, 120, 770},
    {"F  f", "F", "F", "f", "f", 120, 2280, 770},
    {"G  g", "G", "G", "g", "g", 1800, 1200, 770},
    {"H  h", "H", "H", "h", "h", 6000, 1200, 770},
    {"I  i ", "I", "I", "i", "i", 3480, 120, 770},
    {"K  k", "K", "K", "k", "k", 1800, 2280, 770},
    {"L  l", "L", "L", "l", "l", 4320, 1200, 770},
    {"M  m", "M", "M", "m", "m", 3480, 1200, 781},
    {"N  n", "N", "N", "n", "n", 3480, 2280, 770},
    {"O  o", "O", "O", "o", "o", 1800, 120, 770},
    {"P  p", "P", "P", "p", "p", 960, 2280, 770},
    {"R  r", "R", "R", "r", "r", 5160, 1200, 770},
    {"S  s", "S", "S", "s", "s", 4320, 2280, 770},
    {"T  t", "T", "T", "t", "t", 2640, 2280, 770},
    {"U  u", "U", "U", "u", "u", 2640, 120, 770},
    {"W  w", "W", "W", "w", "w", 120, 1200, 770},
    {"Z  z", "Z", "Z", "z", "z", 5160, 2280, 770},
    {"Au  au", "AU", "Au", "au", "au", 4320, 120, 1140},
    {"Ei  ei", "EI", "Ei", "ei", "ei", 5520, 120, 1140},
    {"Sch sch", "SCH", "Sch", "sch", "sch", 6720, 120, 1260},
    {"J  j", "J", "J", "j", "j", 6000, 2280, 770},
    {"-ch", "-CH", "Ch", "ch", "ch", 6840, 1200, 1020},
    {"Leerzeichen", "Leerzeichen", " ", " ", "", 8160, 1200, 1215},
}};

} // namespace free_writing

// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/word_building/LetterWords.h"

#include "exercises/common/Capitals.h"
#include "exercises/common/WordTable.h"

#include "framework/GetOwnWords.h"

#include <map>

namespace word_building {

namespace {

// Initial-sound groups of picture numbers; some pictures stand in two groups, 4 (Bus) in none.
const std::map<QString, std::vector<int>>& initialGroups()
{
    static const std::map<QString, std::vector<int>> groups{
        {"A", {26, 44, 64, 75, 98}},
        {"AU", {29, 33, 75}},
        {"B", {3, 20, 50, 54, 56, 68, 85, 96}},
        {"D", {36, 48, 73}},
        {"E", {5, 81, 67}},
        {"EI", {37, 67, 5}},
        {"F", {2, 11, 42, 59, 78, 80, 97, 99}},
        {"G", {55, 58, 28}},
        {"H", {25, 30, 34, 35}},
        {"K", {28, 61, 86, 91, 92, 93, 95}},
        {"L", {1, 51, 52}},
        {"M", {3, 9, 15, 17, 62, 71}},
        {"N", {27, 39, 41}},
        {"O", {6, 7, 10}},
        {"P", {13, 40, 49, 70, 84, 94}},
        {"R", {19, 23, 63, 66, 76, 77, 79}},
        {"S", {18, 38, 43}},
        {"SCH", {8, 14, 16, 31, 32, 46, 53, 65, 89, 90}},
        {"T", {12, 21, 22, 24, 45, 47, 73, 82, 87, 88, 100}},
        {"W", {57, 69, 72, 83}},
        {"Z", {60, 74, 12}},
    };
    return groups;
}

int letterWidth(const QString& tile)
{
    switch (tile.size()) {
    case 2: return 1575;
    case 3: return 2175;
    default: return 1095;
    }
}

} // namespace

LetterWords::LetterWords() : words_(readWordTable(QStringLiteral("baudrom")))
{
    config = {.program = QStringLiteral("baudrom"),
              .appTitle = QStringLiteral("QL Baudrom 1"),
              .logTitle = QStringLiteral("Baudrom (Buchstaben)"),
              .helpMapId = 4,
              .backdropController = true};
    caption = QStringLiteral("QL Baudrom 1 (Buchstaben) ;   <F6> für Lehrermenü");
    slotCount = 8;
    designLefts = {390};
    levels = {{{.level = WordBuildingLevel::Short,
                .menuName = QStringLiteral("WLeicht"),
                .menuCaption = QStringLiteral("&Leichte Wörter"),
                .dialogCaption = QStringLiteral("kurze Wörter"),
                .pool = kShort,
                .offset = 0},
               {.level = WordBuildingLevel::Longer,
                .menuName = QStringLiteral("WSchwer"),
                .menuCaption = QStringLiteral("&Schwere Wörter"),
                .dialogCaption = QStringLiteral("längere Wörter"),
                .pool = kAll - kShort,
                .offset = kShort},
               {.level = WordBuildingLevel::All,
                .menuName = QStringLiteral("WAlle"),
                .menuCaption = QStringLiteral("&Alle Wörter"),
                .dialogCaption = QStringLiteral("alle Wörter"),
                .pool = kAll,
                .offset = 0}}};
    ownMenuCaption = QStringLiteral("Wörter aus eigenen &Bildern");
    ownDialogCaption = QStringLiteral("Wörter mit eigenen Bildern");
    ownFolder = QStringLiteral("EigeneBilder/Baudrom/Buchstaben");
}

QString LetterWords::Wortsuche(int Nummer) const
{
    return words_.value(Nummer - 1);
}

QStringList LetterWords::cut(const QString& word)
{
    static const QStringList graphemes{"Sch", "sch", "Ei", "ei", "Au", "au", "Ch", "ch", "Pf", "pf"};
    QStringList tiles;
    for (qsizetype at = 0; at < word.size();) {
        qsizetype length = 1;
        for (const QString& g : graphemes)
            if (QStringView(word).mid(at).startsWith(g)) {
                length = g.size();
                break;
            }
        tiles.append(word.mid(at, length));
        at += length;
    }
    return tiles;
}

QStringList LetterWords::tiles(int n, bool capitals) const
{
    const QStringList result = cut(Wortsuche(n));
    return capitals ? toCapitals(result) : result;
}

QStringList LetterWords::ownTiles(const GetOwnWords& source, bool capitals) const
{
    const QStringList result = source.Bausteine().mid(0, slotCount);
    return capitals ? toCapitals(result) : result;
}

int LetterWords::slotWidth(const QString& tile, int) const
{
    return letterWidth(tile);
}

std::vector<int> LetterWords::group(int n) const
{
    const QString key = initialKey(toCapitals(Wortsuche(n)), {"SCH", "EI", "AU"});
    const auto found = initialGroups().find(key);
    return found == initialGroups().end() ? std::vector<int>{} : found->second;
}

QString LetterWords::picturePath(int n) const
{
    return pictureTag(n) + QStringLiteral(".bmp");
}

QString LetterWords::pictureTag(int n) const
{
    return toCapitals(Wortsuche(n));
}

bool LetterWords::isRight(const QString& tag, int, const QString& wortname) const
{
    return tag == toCapitals(wortname);
}

} // namespace word_building

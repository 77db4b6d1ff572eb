// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/word_building/SyllableBuildingWords.h"

#include "framework/GetOwnWords.h"
#include "framework/SyllableSplit.h"

#include <map>

namespace word_building {

namespace {

// Initial-letter groups of word numbers; some hold words of another initial.
const std::map<QString, std::vector<int>>& initialGroups()
{
    static const std::map<QString, std::vector<int>> groups{
        {"A", {47, 12, 43}},
        {"B", {2, 6, 25}},
        {"E", {23, 24, 38}},
        {"F", {3, 4, 1}},
        {"G", {46, 49, 26, 22}},
        {"H", {5, 39, 9}},
        {"I", {19, 12, 14}},
        {"K", {1, 7, 27, 28}},
        {"L", {8, 12, 21}},
        {"N", {13, 2, 17}},
        {"P", {14, 29, 12}},
        {"R", {9, 15, 30, 31, 44}},
        {"S", {10, 41, 43, 45, 48}},
        {"T", {11, 20, 32, 33, 34}},
        {"V", {16, 36, 40}},
        {"W", {17, 18, 21, 37}},
        {"Z", {42, 35, 45}},
    };
    return groups;
}

} // namespace

SyllableBuildingWords::SyllableBuildingWords()
{
    config = {.program = QStringLiteral("baudromsilben"),
              .appTitle = QStringLiteral("QL Baudrom 2"),
              .logTitle = QStringLiteral("Baudrom (Silben)"),
              .helpMapId = 5,
              .backdropController = true};
    caption = QStringLiteral("QL Baudrom 2 (Silben) ;   <F6> für Lehrermenü");
    slotCount = 6;
    designLefts = {390, 1470, 2550, 3630, 4710, 5880};
    levels = {{{.level = WordBuildingLevel::Short,
                .menuName = QStringLiteral("WLeicht"),
                .menuCaption = QStringLiteral("&Dreisilbige Wörter"),
                .dialogCaption = QStringLiteral("Wörter mit drei Silben"),
                .pool = SyllableWords::kThree,
                .offset = SyllableWords::kLonger},
               {.level = WordBuildingLevel::Longer,
                .menuName = QStringLiteral("WSchwer"),
                .menuCaption = QStringLiteral("&Vier- und mehrsilbige Wörter"),
                .dialogCaption = QStringLiteral("Wörter mit vier oder mehr Silben"),
                .pool = SyllableWords::kLonger,
                .offset = 0},
               {.level = WordBuildingLevel::All,
                .menuName = QStringLiteral("WAlle"),
                .menuCaption = QStringLiteral("&Alle Wörter"),
                .dialogCaption = QStringLiteral("alle Wörter"),
                .pool = SyllableWords::kAll,
                .offset = 0}}};
    ownMenuCaption = QStringLiteral("Wörter mit eigenen &Bildern");
    ownDialogCaption = QStringLiteral("Wörter mit eigenen Bildern");
    ownFolder = QStringLiteral("EigeneBilder/Baudrom/Silben");
    syllables = true;
}

QStringList SyllableBuildingWords::tiles(int n, bool) const
{
    return splitSyllables(words_.word(n), slotCount);
}

QStringList SyllableBuildingWords::ownTiles(const GetOwnWords& source, bool) const
{
    return splitSyllables(source.Wortname(), slotCount);
}

int SyllableBuildingWords::slotWidth(const QString&, int textWidthTwips) const
{
    return (textWidthTwips + 300) / 15 * 15;
}

std::vector<int> SyllableBuildingWords::group(int n) const
{
    const auto found = initialGroups().find(words_.word(n).left(1).toUpper());
    return found == initialGroups().end() ? std::vector<int>{} : found->second;
}

QString SyllableBuildingWords::picturePath(int n) const
{
    return SyllableWords::picture(n);
}

QString SyllableBuildingWords::pictureTag(int n) const
{
    return QString::number(n);
}

bool SyllableBuildingWords::isRight(const QString& tag, int n, const QString&) const
{
    return tag.toInt() == n;
}

} // namespace word_building

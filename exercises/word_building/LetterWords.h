// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercises/word_building/WordBuildingVariant.h"

namespace word_building {

// Word building from letters: 100 words from the table "baudrom" (word n is picture n), cut into
// letters and multi-letter graphemes; the pictures are the words' files in the program folder.
class LetterWords : public WordBuildingVariant {
public:
    LetterWords();

    static constexpr int kShort = 70;
    static constexpr int kAll = 100;

    // The picture name of number n; "" outside 1..100.
    QString Wortsuche(int Nummer) const;
    // A word cut into tiles: "Sch", "sch", "Ei", "ei", "Au", "au", "Ch", "ch", "Pf", "pf" or a letter.
    static QStringList cut(const QString& word);

    QStringList tiles(int n, bool capitals) const override;
    QStringList ownTiles(const GetOwnWords& source, bool capitals) const override;
    int slotWidth(const QString& tile, int textWidthTwips) const override;
    std::vector<int> group(int n) const override;
    QString picturePath(int n) const override;
    QString pictureTag(int n) const override;
    bool isRight(const QString& tag, int n, const QString& wortname) const override;

private:
    QStringList words_;
};

} // namespace word_building

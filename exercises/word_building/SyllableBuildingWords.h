// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercises/common/SyllableWords.h"
#include "exercises/word_building/WordBuildingVariant.h"

namespace word_building {

// Word building from syllables: the suite's 49 syllable words, one syllable per slot; the
// pictures are the resources of the syllable pictures.
class SyllableBuildingWords : public WordBuildingVariant {
public:
    SyllableBuildingWords();

    QStringList tiles(int n, bool capitals) const override;
    QStringList ownTiles(const GetOwnWords& source, bool capitals) const override;
    int slotWidth(const QString& tile, int textWidthTwips) const override;
    std::vector<int> group(int n) const override;
    QString picturePath(int n) const override;
    QString pictureTag(int n) const override;
    bool isRight(const QString& tag, int n, const QString& wortname) const override;

private:
    const SyllableWords words_;
};

} // namespace word_building

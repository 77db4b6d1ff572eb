#pragma once

#include "WordBuildingVariant.h"

// Word building from syllables: the suite's 49 syllable words from the table "silben", one
// syllable per slot; the pictures are the resources of the syllable pictures.
class SyllableWords : public WordBuildingVariant {
public:
    SyllableWords();

    static constexpr int kLonger = 21;   // words 1 to 21 have four or more syllables
    static constexpr int kAll = 49;

    // A word's syllables, split at "-" up to the first empty piece; the sixth takes the rest.
    QStringList split(const QString& word) const;

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

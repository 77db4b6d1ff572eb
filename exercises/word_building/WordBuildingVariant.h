// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercises/common/ExerciseConfig.h"

#include <QString>
#include <QStringList>

#include <array>
#include <map>
#include <vector>

class GetOwnWords;

namespace word_building {

// Word building's levels.
enum class WordBuildingLevel { All = 0, Short = 1, Longer = 2, OwnPictures = 10 };

// A built-in level: its menu item, level dialog button, pool and first word number.
struct BuiltInLevel {
    WordBuildingLevel level;
    QString menuName;
    QString menuCaption;
    QString dialogCaption;
    int pool;
    int offset;                 // word number = drawn number + offset
};

// What makes one word-building program: letters or syllables. Nothing here knows widgets.
class WordBuildingVariant {
public:
    virtual ~WordBuildingVariant() = default;

    ExerciseConfig config;
    QString caption;
    int slotCount = 0;
    std::vector<int> designLefts;           // slot lefts as the layout draws them, twips
    std::array<BuiltInLevel, 3> levels;     // level dialog buttons 0..2
    QString ownMenuCaption;
    QString ownDialogCaption;
    QString ownFolder;
    bool syllables = false;

    // The tiles of built-in word n, as the slots show them.
    virtual QStringList tiles(int n, bool capitals) const = 0;
    // The tiles of the own picture the source stands on.
    virtual QStringList ownTiles(const GetOwnWords& source, bool capitals) const = 0;
    // Width of a slot for its tile, given the tile's width in the slot font.
    virtual int slotWidth(const QString& tile, int textWidthTwips) const = 0;
    // The initial-sound group that the other pictures of word n come from.
    virtual std::vector<int> group(int n) const = 0;
    // The picture of word n and the answer key its button carries.
    virtual QString picturePath(int n) const = 0;
    virtual QString pictureTag(int n) const = 0;
    // Whether a built-in picture's key names word n, whose word is `wortname`.
    virtual bool isRight(const QString& tag, int n, const QString& wortname) const = 0;

    // The level of a level dialog button (0..3); all words for any other answer.
    WordBuildingLevel levelOfButton(int button) const;
    const BuiltInLevel* builtInLevel(WordBuildingLevel level) const;
};

// The initial-sound key of a word in capitals: its first letter, or a listed grapheme it begins with.
QString initialKey(const QString& wordInCapitals, const QStringList& graphemeKeys);

} // namespace word_building

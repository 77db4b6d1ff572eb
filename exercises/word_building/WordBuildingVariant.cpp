// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/word_building/WordBuildingVariant.h"

namespace word_building {

WordBuildingLevel WordBuildingVariant::levelOfButton(int button) const
{
    if (button == 3)
        return WordBuildingLevel::OwnPictures;
    if (button < 0 || button > 2)
        return WordBuildingLevel::All;
    return levels.at(static_cast<std::size_t>(button)).level;
}

const BuiltInLevel* WordBuildingVariant::builtInLevel(WordBuildingLevel level) const
{
    for (const BuiltInLevel& l : levels)
        if (l.level == level)
            return &l;
    return nullptr;
}

QString initialKey(const QString& wordInCapitals, const QStringList& graphemeKeys)
{
    for (const QString& key : graphemeKeys)
        if (wordInCapitals.startsWith(key))
            return key;
    return wordInCapitals.left(1);
}

} // namespace word_building

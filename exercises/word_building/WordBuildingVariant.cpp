#include "WordBuildingVariant.h"

int WordBuildingVariant::levelOfButton(int button) const
{
    if (button == 3)
        return 10;
    if (button < 0 || button > 2)
        return 0;
    return levels.at(static_cast<std::size_t>(button)).level;
}

const WordBuildingLevel* WordBuildingVariant::builtInLevel(int level) const
{
    for (const WordBuildingLevel& l : levels)
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

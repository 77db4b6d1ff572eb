// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/free_writing/FreeText.h"

#include "exercises/common/Capitals.h"

#include <QStringList>

#include <algorithm>
#include <array>

namespace free_writing {

void FreeText::append(const QString& piece)
{
    text_ += piece;
    if (capitalsOnly_)
        text_ = toCapitals(text_);
}

void FreeText::erase()
{
    // Longest groups first, each in the spellings the mode writes.
    static const QStringList capitalGroups{QStringLiteral("SCH"), QStringLiteral("CH"),
                                           QStringLiteral("AU"), QStringLiteral("EI")};
    static const QStringList mixedGroups{QStringLiteral("Sch"), QStringLiteral("sch"),
                                         QStringLiteral("Ch"),  QStringLiteral("ch"),
                                         QStringLiteral("Au"),  QStringLiteral("au"),
                                         QStringLiteral("Ei"),  QStringLiteral("ei")};
    const QStringList& groups = capitalsOnly_ ? capitalGroups : mixedGroups;
    const auto group = std::find_if(groups.begin(), groups.end(),
                                    [this](const QString& g) { return text_.endsWith(g); });
    text_.chop(group == groups.end() ? 1 : group->size());
}

bool FreeText::typeable(int keyAscii)
{
    static constexpr std::array<int, 11> kOthers{95, 128, 167, 176, 196, 214, 220, 223, 228, 246, 252};
    return (keyAscii >= 33 && keyAscii <= 63) || (keyAscii >= 65 && keyAscii <= 90)
           || (keyAscii >= 97 && keyAscii <= 122)
           || std::find(kOthers.begin(), kOthers.end(), keyAscii) != kOthers.end();
}

} // namespace free_writing

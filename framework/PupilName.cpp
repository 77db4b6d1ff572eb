// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/PupilName.h"

#include <algorithm>

bool isValidPupilName(const QString& name)
{
    return !name.isEmpty() && std::all_of(name.begin(), name.end(), [](QChar c) {
        const char16_t u = c.unicode();
        return u == u' ' || (u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'Z')
               || (u >= u'a' && u <= u'z');
    });
}

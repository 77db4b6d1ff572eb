// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/Zufall_Array.h"

#include "platform/services.h"

#include <algorithm>
#include <cmath>

void Zufall_Array::ClearArray()
{
    Feld.assign(static_cast<size_t>(std::max(anzahl_, 1)), false);
    Gezogen = 0;
}

void Zufall_Array::setAnzahl(int anz)
{
    anzahl_ = std::max(anz, 0);
    ClearArray();
}

int Zufall_Array::ZufallsZahl()
{
    if (Feld.empty())
        ClearArray();
    reachedEnd_ = false;
    const double r = platform::services().clock->random();
    int k = static_cast<int>(std::floor(r * (anzahl_ - Gezogen))) + 1;
    // Walk to the k-th number not drawn yet in this pass.
    for (int i = 0; i < k && k <= anzahl_;) {
        ++i;
        if (Feld[static_cast<size_t>(i - 1)])
            ++k;
    }
    Feld[static_cast<size_t>(k - 1)] = true;
    ++Gezogen;
    if (Gezogen >= anzahl_) {
        ClearArray();
        reachedEnd_ = true;
    }
    return k;
}

// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/backdrop/ZuZahl.h"

#include "platform/services.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

bool ZuZahl::ZufallsZahl(int max)
{
    if (max > kPositions)
        return false;
    std::vector<int> free(static_cast<std::size_t>(std::max(max, 0)));
    std::iota(free.begin(), free.end(), 1);
    for (int k = 0; k < max; ++k) {
        const double r = platform::services().clock->random();
        const auto pick = static_cast<std::size_t>(std::floor(static_cast<double>(free.size()) * r));
        const auto taken = free.begin() + static_cast<std::ptrdiff_t>(std::min(pick, free.size() - 1));
        arrangement_[static_cast<std::size_t>(k)] = *taken;
        free.erase(taken);
    }
    Zuweis(max);
    return true;
}

void ZuZahl::Zuweis(int max)
{
    const auto count = static_cast<std::ptrdiff_t>(std::clamp(max, 0, kPositions));
    std::copy(arrangement_.begin(), arrangement_.begin() + count, zahl_.begin());
}

// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

// A random arrangement of 1..n (n at most 30), read position by position: Zahl(k) is the number
// placed at position k. Draws come from the clock service's generator.
class ZuZahl {
public:
    static constexpr int kPositions = 30;

    // Position k (1 to 30); 0 until an arrangement reached it.
    int Zahl(int k) const { return zahl_.at(static_cast<std::size_t>(k - 1)); }
    void setZahl(int k, int value) { zahl_.at(static_cast<std::size_t>(k - 1)) = value; }

    // A new arrangement of 1..max into positions 1..max; the later positions keep their values.
    // False, changing nothing, when max is above 30.
    bool ZufallsZahl(int max);
    // Copies positions 1..max of the arrangement into Zahl(1)..Zahl(max).
    void Zuweis(int max);

private:
    std::array<int, kPositions> arrangement_{};
    std::array<int, kPositions> zahl_{};
};

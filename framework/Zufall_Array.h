// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

// Draws 1..n in random order without repetition; after the last free number it starts a new
// pass by itself and raises ReachedEnd. Draws come from the clock service's generator.
class Zufall_Array {
public:
    Zufall_Array() = default;

    bool ReachedEnd() const { return reachedEnd_; }
    void ClearArray();
    // Every call draws.
    int ZufallsZahl();
    // Sets n and starts a new pass; n below 1 behaves like 0.
    void setAnzahl(int anz);
    int Anzahl() const { return anzahl_; }

private:
    int anzahl_ = 0;
    std::vector<bool> Feld;   // Feld[i - 1]: number i drawn in this pass
    int Gezogen = 0;
    bool reachedEnd_ = false;
};

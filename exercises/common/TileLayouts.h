// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// The ten scrambled orders in which both puzzles deal a word's pieces onto their seven
// shuffled tiles. A layout names, for each tile, the number of the piece (1..7) it shows.
namespace tile_layouts {

constexpr int kLayouts = 10;
constexpr int kTiles = 7;

// The layout a random number r in [0, 1) picks: Int(r * 10) + 1.
int pick(double r);
// The piece (1..7) that `tile` (1..7) shows in `layout` (1..10).
int pieceOnTile(int layout, int tile);
// The captions of tiles 1..7 for pieces 1..7 (missing pieces are empty captions).
QStringList deal(const QStringList& pieces, int layout);

} // namespace tile_layouts

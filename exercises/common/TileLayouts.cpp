// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/common/TileLayouts.h"

#include <array>
#include <cmath>

namespace tile_layouts {

namespace {

using Layout = std::array<int, kTiles>;

constexpr std::array<Layout, kLayouts> kTable{{
    {4, 7, 6, 1, 2, 3, 5},
    {5, 6, 3, 4, 1, 7, 2},
    {7, 5, 6, 4, 3, 1, 2},
    {2, 7, 3, 6, 4, 5, 1},
    {3, 4, 2, 5, 1, 6, 7},
    {2, 6, 4, 1, 3, 7, 5},
    {6, 3, 4, 1, 2, 5, 7},
    {1, 4, 2, 5, 3, 6, 7},
    {4, 2, 3, 1, 7, 5, 6},
    {2, 1, 3, 6, 7, 5, 4},
}};

} // namespace

int pick(double r)
{
    return static_cast<int>(std::floor(r * kLayouts)) + 1;
}

int pieceOnTile(int layout, int tile)
{
    return kTable.at(static_cast<std::size_t>(layout - 1)).at(static_cast<std::size_t>(tile - 1));
}

QStringList deal(const QStringList& pieces, int layout)
{
    QStringList captions;
    for (int tile = 1; tile <= kTiles; ++tile)
        captions.append(pieces.value(pieceOnTile(layout, tile) - 1));
    return captions;
}

} // namespace tile_layouts

// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <vector>

struct GridCell {
    QImage image;
    QString caption;
};

struct GridStyle {
    int columns = 8;
    QSize cell{112, 140};
    int captionPixelSize = 26;
    bool framed = true;
};

// Lays out pictures with their captions below them in a white grid: the initial-sound tables
// and the contact sheet. Pictures larger than 100 x 100 are scaled down to fit.
QImage pictureGrid(const std::vector<GridCell>& cells, const GridStyle& style);

// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/render_pictures/PictureTable.h"

#include <QImage>
#include <QString>
#include <functional>
#include <vector>

// Two words of one board whose pictures a child could not tell apart.
struct PictureClash {
    QString board;
    QString first;
    QString second;
};

// Every pair of words on one board whose pictures look alike, in board and word order. Pictures
// look alike when they are the same or differ only in a small detail: compared on a coarse grid,
// so that a shift by a pixel or two does not count, their colours differ by a few steps on average.
std::vector<PictureClash> findClashes(const std::vector<Board>& boards,
                                      const std::function<const QImage&(const QString& word)>& pictureOf);

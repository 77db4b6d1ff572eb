// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/render_pictures/BoardCheck.h"

#include <cstdlib>

namespace {

// Coarse enough that a picture moved by a pixel or two still compares as the same.
constexpr int gridSide = 20;
// Mean difference per colour channel (0..255) below which two pictures look alike: a detail of
// about a twentieth of the picture's area. Pictures of different things differ by more than that.
constexpr double alikeBelow = 8.0;

QImage coarse(const QImage& image)
{
    return image.convertToFormat(QImage::Format_RGB32)
        .scaled(gridSide, gridSide, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

double meanDifference(const QImage& a, const QImage& b)
{
    long long sum = 0;
    for (int y = 0; y < gridSide; ++y) {
        const auto* lineA = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* lineB = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < gridSide; ++x)
            sum += std::abs(qRed(lineA[x]) - qRed(lineB[x])) + std::abs(qGreen(lineA[x]) - qGreen(lineB[x]))
                   + std::abs(qBlue(lineA[x]) - qBlue(lineB[x]));
    }
    return double(sum) / (3.0 * gridSide * gridSide);
}

} // namespace

std::vector<PictureClash> findClashes(const std::vector<Board>& boards,
                                      const std::function<const QImage&(const QString& word)>& pictureOf)
{
    std::vector<PictureClash> clashes;
    for (const Board& board : boards) {
        std::vector<QImage> pictures;
        for (const QString& word : board.words)
            pictures.push_back(coarse(pictureOf(word)));
        for (qsizetype i = 0; i < board.words.size(); ++i) {
            for (qsizetype j = i + 1; j < board.words.size(); ++j) {
                if (meanDifference(pictures[i], pictures[j]) < alikeBelow)
                    clashes.push_back({board.name, board.words[i], board.words[j]});
            }
        }
    }
    return clashes;
}

// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QHash>
#include <QImage>
#include <QRawFont>
#include <QRectF>
#include <QString>

class QPainter;

// Paints picture descriptions from assets/pictures.tsv: an emoji (sequence) from the Noto Color
// Emoji font, "A + B" (B small in front of A), "A | B" (side by side) or "draw:NAME" for a
// pictogram (see Pictograms.h), which may also take a " + B" in front of it.
// Throws std::runtime_error for an emoji the font lacks or an unknown pictogram, so a picture is
// never silently replaced by a placeholder.
class PictureRenderer {
public:
    PictureRenderer();

    QImage render(const QString& picture, QSize size, const QColor& background) const;
    void paint(QPainter& painter, const QString& picture, const QRectF& box) const;
    // Draws one emoji as large as fits into box, centred, keeping its proportions.
    void paintEmoji(QPainter& painter, const QString& emoji, const QRectF& box) const;

private:
    const QImage& emojiImage(const QString& emoji) const;
    void paintSingle(QPainter& painter, const QString& picture, const QRectF& box) const;

    QFont font_;
    QRawFont rawFont_;
    mutable QHash<QString, QImage> cache_;
};

// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/render_pictures/PictureRenderer.h"

#include "tools/render_pictures/Pictograms.h"

#include <QFontInfo>
#include <QPainter>
#include <stdexcept>

namespace {

constexpr int emojiPixelSize = 160;
constexpr int emojiCanvas = 256;
const QString emojiFamily = QStringLiteral("Noto Color Emoji");

QRect opaqueBounds(const QImage& image)
{
    int left = image.width(), top = image.height(), right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) == 0)
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

bool isJoinerOrSelector(char32_t c)
{
    return c == 0x200D || c == 0xFE0F || c == 0xFE0E;
}

} // namespace

PictureRenderer::PictureRenderer()
    : font_(emojiFamily)
{
    font_.setPixelSize(emojiPixelSize);
    if (QFontInfo(font_).family() != emojiFamily)
        throw std::runtime_error("the font Noto Color Emoji is not installed");
    rawFont_ = QRawFont::fromFont(font_);
}

QImage PictureRenderer::render(const QString& picture, QSize size, const QColor& background) const
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(background);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    paint(painter, picture, QRectF(QPointF(0, 0), size));
    return image;
}

void PictureRenderer::paint(QPainter& painter, const QString& picture, const QRectF& box) const
{
    const QStringList parts = picture.split(QStringLiteral(" | "));
    const qreal width = box.width() / static_cast<qreal>(parts.size());
    for (int i = 0; i < parts.size(); ++i)
        paintSingle(painter, parts[i].trimmed(), QRectF(box.x() + i * width, box.y(), width, box.height()));
}

void PictureRenderer::paintSingle(QPainter& painter, const QString& picture, const QRectF& box) const
{
    const QStringList layers = picture.split(QStringLiteral(" + "));
    const QString base = layers.first().trimmed();
    const bool overlaid = layers.size() > 1;
    if (base.startsWith(QStringLiteral("draw:"))) {
        painter.save();
        painter.translate(box.topLeft());
        painter.scale(box.width() / 100.0, box.height() / 100.0);
        paintPictogram(painter, base.mid(5), *this);
        painter.restore();
    } else {
        const qreal share = overlaid ? 0.8 : 1.0;
        paintEmoji(painter, base, QRectF(box.topLeft(), box.size() * share));
    }
    for (int i = 1; i < layers.size(); ++i)
        paintEmoji(painter, layers[i].trimmed(),
                   QRectF(box.x() + box.width() * 0.52, box.y() + box.height() * 0.52, box.width() * 0.48,
                          box.height() * 0.48));
}

void PictureRenderer::paintEmoji(QPainter& painter, const QString& emoji, const QRectF& box) const
{
    const QImage& image = emojiImage(emoji);
    QSizeF fitted = QSizeF(image.size()).scaled(box.size(), Qt::KeepAspectRatio);
    QRectF target(QPointF(), fitted);
    target.moveCenter(box.center());
    painter.drawImage(target, image);
}

const QImage& PictureRenderer::emojiImage(const QString& emoji) const
{
    if (auto found = cache_.constFind(emoji); found != cache_.constEnd())
        return *found;
    for (char32_t c : emoji.toUcs4()) {
        if (!isJoinerOrSelector(c) && !rawFont_.supportsCharacter(c))
            throw std::runtime_error("no emoji in the font for " + emoji.toStdString());
    }
    QImage canvas(emojiCanvas, emojiCanvas, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    {
        QPainter painter(&canvas);
        painter.setFont(font_);
        painter.drawText(canvas.rect(), Qt::AlignCenter, emoji);
    }
    const QRect bounds = opaqueBounds(canvas);
    if (bounds.isEmpty())
        throw std::runtime_error("the emoji " + emoji.toStdString() + " draws nothing");
    return *cache_.insert(emoji, canvas.copy(bounds));
}

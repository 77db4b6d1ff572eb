// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/render_pictures/PictureGrid.h"

#include <QFont>
#include <QPainter>

namespace {

constexpr int pictureSide = 100;
constexpr int margin = 6;

void paintCell(QPainter& painter, const GridCell& cell, const QRect& area, const GridStyle& style)
{
    if (cell.image.isNull())
        return;
    if (style.framed) {
        painter.setPen(QPen(QColor(0x9e, 0x9e, 0x9e), 1));
        painter.drawRect(area.adjusted(0, 0, -1, -1));
    }
    const QSize fitted = cell.image.size().boundedTo(QSize(pictureSide, pictureSide)) == cell.image.size()
                             ? cell.image.size()
                             : cell.image.size().scaled(pictureSide, pictureSide, Qt::KeepAspectRatio);
    QRect target(QPoint(), fitted);
    target.moveCenter(QPoint(area.center().x(), area.top() + margin + pictureSide / 2));
    painter.drawImage(target, cell.image);
    const QRect captionArea(area.left() + 2, area.top() + margin + pictureSide, area.width() - 4,
                            area.height() - margin - pictureSide);
    painter.setPen(Qt::black);
    painter.drawText(captionArea, Qt::AlignCenter | Qt::TextWordWrap, cell.caption);
}

} // namespace

QImage pictureGrid(const std::vector<GridCell>& cells, const GridStyle& style)
{
    const int count = static_cast<int>(cells.size());
    const int columns = std::min(style.columns, std::max(count, 1));
    const int rows = (count + columns - 1) / columns;
    QImage grid(columns * style.cell.width(), std::max(rows, 1) * style.cell.height(), QImage::Format_RGB32);
    grid.fill(Qt::white);
    QPainter painter(&grid);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform | QPainter::TextAntialiasing);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(style.captionPixelSize);
    font.setBold(true);
    painter.setFont(font);
    for (int i = 0; i < count; ++i) {
        const QRect area(QPoint((i % columns) * style.cell.width(), (i / columns) * style.cell.height()),
                         style.cell);
        paintCell(painter, cells[i], area, style);
    }
    return grid;
}

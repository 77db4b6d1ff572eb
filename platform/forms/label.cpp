// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/forms/label.h"

#include "platform/forms/twips.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOption>

namespace platform {

QSize Label::pictureSize() const
{
    const QPixmap picture = pixmap();
    if (picture.isNull())
        return {};
    return hasScaledContents() ? contentsRect().size() : scaledSize(picture.deviceIndependentSize().toSize());
}

void Label::paintEvent(QPaintEvent* event)
{
    QPixmap picture = pixmap();
    if (picture.isNull() || hasScaledContents()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);
    if (!isEnabled()) {
        QStyleOption option;
        option.initFrom(this);
        picture = style()->generatedIconPixmap(QIcon::Disabled, picture, &option);
    }
    const int m = margin();
    const QRect area = contentsRect().adjusted(m, m, -m, -m);
    const Qt::Alignment alignment = QStyle::visualAlignment(layoutDirection(), this->alignment());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(QStyle::alignedRect(layoutDirection(), alignment, pictureSize(), area), picture);
}

} // namespace platform

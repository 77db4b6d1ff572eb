#include "PictureButton.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

PictureButton::PictureButton(const QString& caption, const QPixmap& picture, QWidget* parent)
    : QPushButton(caption, parent), picture_(picture)
{
}

void PictureButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    option.icon = QIcon();
    painter.drawControl(QStyle::CE_PushButton, option);
    const QRect inner = rect().adjusted(4, 4, -4, -4);
    const int textHeight = fontMetrics().height() * 2;
    const int side = std::min(inner.width(), inner.height() - textHeight);
    if (!picture_.isNull() && side > 0) {
        const QPixmap scaled = picture_.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        painter.drawPixmap(inner.left() + (inner.width() - scaled.width()) / 2, inner.top(), scaled);
    }
    const QRect text(inner.left(), inner.bottom() - textHeight, inner.width(), textHeight);
    painter.drawText(text, Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextWordWrap, this->text());
}

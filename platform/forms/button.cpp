#include "button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace platform {

namespace {

constexpr int kGap = 3;   // between picture and caption
constexpr int kTextFlags = Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;

} // namespace

Button::Button(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {}

QRect Button::inner() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
}

Button::Layout Button::layout() const
{
    const QRect area = inner();
    const int textHeight = text().isEmpty()
        ? 0
        : fontMetrics().boundingRect(QRect(0, 0, area.width(), 0), kTextFlags, text()).height();
    QSize picture = icon().isNull() ? QSize() : icon().actualSize(iconSize());
    const int gap = picture.isEmpty() || textHeight == 0 ? 0 : kGap;
    if (!picture.isEmpty())
        picture = picture.scaled(picture.boundedTo(QSize(area.width(), std::max(1, area.height() - textHeight - gap))),
                                 Qt::KeepAspectRatio);
    const int top = area.top() + (area.height() - picture.height() - gap - textHeight) / 2;
    return {QRect(area.left() + (area.width() - picture.width()) / 2, top, picture.width(), picture.height()),
            QRect(area.left(), top + picture.height() + gap, area.width(), textHeight)};
}

QRect Button::textArea() const
{
    const QRect area = inner();
    const QRect picture = layout().picture;
    const int used = picture.isEmpty() ? 0 : picture.height() + kGap;
    return {area.left(), area.top() + used, area.width(), area.height() - used};
}

void Button::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    painter.drawControl(QStyle::CE_PushButtonBevel, option);
    const Layout l = layout();
    const QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
    if (!l.picture.isEmpty())
        icon().paint(&painter, l.picture, Qt::AlignCenter, mode);
    if (!text().isEmpty())
        painter.drawItemText(l.text, kTextFlags, palette(), isEnabled(), text(), QPalette::ButtonText);
}

} // namespace platform

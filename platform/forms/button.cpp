// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/forms/button.h"

#include "platform/forms/twips.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace platform {

namespace {

constexpr int kGap = 3;   // between picture and caption
constexpr int kInset = 2;   // keeps the picture and caption off the button's bevel
constexpr int kWrap = Qt::TextWordWrap | Qt::TextShowMnemonic;
constexpr int kCentred = Qt::AlignHCenter | Qt::AlignVCenter;
constexpr int kBeside = Qt::AlignLeft | Qt::AlignVCenter;

// The one measure and drawing of a wrapped caption, for every kind of button.
int wrappedHeight(const QWidget& control, int width, const QString& text)
{
    return text.isEmpty() ? 0 : control.fontMetrics().boundingRect(QRect(0, 0, width, 0), kWrap, text).height();
}

void paintCaption(QPainter& painter, const QAbstractButton& button, const QRect& area, int alignment,
                  QPalette::ColorRole role)
{
    if (!button.text().isEmpty())
        button.style()->drawItemText(&painter, area, alignment | kWrap, button.palette(), button.isEnabled(),
                                     button.text(), role);
}

// A check box or option button whose caption is wider than its room: the style draws the control
// without the caption, which then wraps inside its room. False when the caption fits on one line.
bool paintWrappedToggle(QAbstractButton& button, QStyle::ControlElement element, QStyleOptionButton option,
                        const QRect& area)
{
    if (wrappedHeight(button, area.width(), button.text()) <= button.fontMetrics().height())
        return false;
    option.text.clear();
    QStylePainter painter(&button);
    painter.drawControl(element, option);
    paintCaption(painter, button, area, kBeside, QPalette::WindowText);
    return true;
}

// `size` made as large as fits into `bound`, its shape kept; an empty size stays empty.
QSize fittedInto(QSize size, QSize bound)
{
    return size.isEmpty() ? size : size.scaled(size.boundedTo(bound), Qt::KeepAspectRatio);
}

// The picture's own size: the largest it comes in.
QSize ownSize(const QIcon& icon)
{
    QSize largest;
    for (const QSize& size : icon.availableSizes())
        if (size.width() * size.height() > largest.width() * largest.height())
            largest = size;
    return largest;
}

} // namespace

Button::Button(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {}

QRect Button::inner() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_PushButtonContents, &option, this)
        .adjusted(kInset, kInset, -kInset, -kInset);
}

Button::Layout Button::layout() const
{
    const QRect area = inner();
    const int textHeight = wrappedHeight(*this, area.width(), text());
    QSize picture = fittedInto(scaledSize(ownSize(icon())), iconSize());
    const int gap = picture.isEmpty() || textHeight == 0 ? 0 : kGap;
    picture = fittedInto(picture, QSize(area.width(), std::max(1, area.height() - textHeight - gap)));
    const int top = area.top() + (area.height() - picture.height() - gap - textHeight) / 2;
    return {QRect(area.left() + (area.width() - picture.width()) / 2, top, picture.width(), picture.height()),
            QRect(area.left(), top + picture.height() + gap, area.width(), textHeight)};
}

QRect Button::textArea() const
{
    const QRect area = inner();
    const QRect picture = layout().picture;
    const int top = picture.isEmpty() ? area.top() : picture.bottom() + 1 + kGap;
    return {area.left(), top, area.width(), area.bottom() + 1 - top};
}

void Button::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    painter.drawControl(QStyle::CE_PushButtonBevel, option);
    const Layout l = layout();
    const QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
    if (!l.picture.isEmpty()) {
        // The icon only ever scales down; a picture larger than its own size is scaled up here.
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(l.picture, icon().pixmap(l.picture.size(), mode));
    }
    paintCaption(painter, *this, l.text, kCentred, QPalette::ButtonText);
}

QRect CheckBox::textArea() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_CheckBoxContents, &option, this);
}

void CheckBox::paintEvent(QPaintEvent* event)
{
    QStyleOptionButton option;
    initStyleOption(&option);
    if (!paintWrappedToggle(*this, QStyle::CE_CheckBox, option, textArea()))
        QCheckBox::paintEvent(event);
}

QRect OptionButton::textArea() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_RadioButtonContents, &option, this);
}

void OptionButton::paintEvent(QPaintEvent* event)
{
    QStyleOptionButton option;
    initStyleOption(&option);
    if (!paintWrappedToggle(*this, QStyle::CE_RadioButton, option, textArea()))
        QRadioButton::paintEvent(event);
}

} // namespace platform

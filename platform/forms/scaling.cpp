// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/forms/scaling.h"

#include "platform/forms/form.h"
#include "platform/forms/twips.h"

#include <QApplication>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionComboBox>

namespace platform {

int ScaledStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    const int pixels = QProxyStyle::pixelMetric(metric, option, widget);
    // Zero and negative values mean "none" or "the default", not a size.
    return pixels > 0 ? scaledPixels(pixels) : pixels;
}

QSize ScaledStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contents,
                                    const QWidget* widget) const
{
    const QSize size = QProxyStyle::sizeFromContents(type, option, contents, widget);
    // Around the entries of menu bars and menus the style adds room by numbers of its own.
    if (type != CT_MenuBarItem && type != CT_MenuItem)
        return size;
    return contents + scaledSize(size - contents);
}

void ScaledStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                const QWidget* widget) const
{
    const bool arrow = element == PE_IndicatorArrowUp || element == PE_IndicatorArrowDown
                       || element == PE_IndicatorArrowLeft || element == PE_IndicatorArrowRight;
    const double scale = layoutScale();
    if (!arrow || scale == 1.0) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // The style draws arrows at a size of its own, whatever room they get: drawn in the room
    // the unscaled layout gives, then scaled.
    QStyleOption unscaled(*option);
    unscaled.rect = QRect(QPoint(), (QSizeF(option->rect.size()) / scale).toSize());
    unscaled.rect.moveCenter(QPoint());
    painter->save();
    painter->translate(QRectF(option->rect).center());
    painter->scale(scale, scale);
    QProxyStyle::drawPrimitive(element, &unscaled, painter, widget);
    painter->restore();
}

void ScaledStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                                     const QWidget* widget) const
{
    const auto* combo = qstyleoption_cast<const QStyleOptionComboBox*>(option);
    if (control != CC_ComboBox || !combo || !(combo->subControls & SC_ComboBoxArrow) || layoutScale() == 1.0) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    // A combo box's arrow is drawn by the style at a size of its own, so it is drawn as a
    // scaled arrow instead.
    QStyleOptionComboBox withoutArrow(*combo);
    withoutArrow.subControls &= ~SC_ComboBoxArrow;
    QProxyStyle::drawComplexControl(control, &withoutArrow, painter, widget);
    QStyleOption arrow(*option);
    arrow.rect = subControlRect(CC_ComboBox, combo, SC_ComboBoxArrow, widget);
    drawPrimitive(PE_IndicatorArrowDown, &arrow, painter, widget);
}

QIcon ScaledStyle::standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const
{
    // The button for entries that do not fit a menu bar: the forms' menu bars wrap onto rows
    // of their own and never show it, and its picture, read at every start by each menu bar
    // made, would load every image-format plugin.
    if (icon == SP_ToolBarHorizontalExtensionButton || icon == SP_ToolBarVerticalExtensionButton)
        return {};
    return QProxyStyle::standardIcon(icon, option, widget);
}

void installScaledStyle()
{
    QApplication::setStyle(new ScaledStyle(QStyleFactory::create(QApplication::style()->name())));
}

void followLayoutScale(double factor)
{
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return;
    QApplication::setFont(defaultLayoutFont());
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* form = qobject_cast<Form*>(window))
            form->followLayoutScale(factor);
}

} // namespace platform

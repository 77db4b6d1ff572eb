// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/forms/caption_fit.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QToolButton>

namespace forms_check {

namespace {

// The text as drawn: a mnemonic "&" takes no room, "&&" is one ampersand.
QString shownText(QString text)
{
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

QSize textSize(const QFontMetrics& fm, const QString& text)
{
    const QStringList lines = shownText(text).split(QLatin1Char('\n'));
    int width = 0;
    for (const QString& line : lines)
        width = std::max(width, fm.horizontalAdvance(line));
    return {width, static_cast<int>(lines.size()) * fm.height()};
}

QString sizeText(QSize s)
{
    return QStringLiteral("%1 x %2").arg(s.width()).arg(s.height());
}

QString problem(const QWidget& control, const QString& what, QSize needed, QSize there)
{
    if (needed.width() <= there.width() && needed.height() <= there.height())
        return {};
    return QStringLiteral("%1 \"%2\": %3 needs %4, has %5")
        .arg(control.objectName(), control.property("text").toString(), what, sizeText(needed), sizeText(there));
}

QSize pictureSize(const QIcon& icon, QSize iconSize)
{
    return icon.isNull() ? QSize() : icon.actualSize(iconSize);
}

// A button that wraps its caption says where by the property "textArea"; the text wraps inside it.
QString ownTextArea(const QAbstractButton& control)
{
    const QString text = control.text();
    if (text.isEmpty())
        return {};
    const QRect area = control.property("textArea").toRect();
    const QRect needed = control.fontMetrics().boundingRect(area, Qt::AlignHCenter | Qt::TextWordWrap, shownText(text));
    return problem(control, QStringLiteral("wrapped text"), needed.size(), area.size());
}

QString pushButton(const QPushButton& button)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    option.rect = button.rect();
    option.text = button.text();
    option.icon = button.icon();
    option.iconSize = button.iconSize();
    const QRect contents = button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button);
    const QSize text = button.text().isEmpty() ? QSize() : textSize(button.fontMetrics(), button.text());
    const QSize picture = pictureSize(button.icon(), button.iconSize());
    const int gap = !text.isEmpty() && !picture.isEmpty() ? 4 : 0;
    const QSize needed(text.width() + picture.width() + gap, std::max(text.height(), picture.height()));
    return problem(button, QStringLiteral("picture and text"), needed, contents.size());
}

QString toolButton(const QToolButton& button)
{
    const QRect contents = button.rect().adjusted(3, 3, -3, -3);
    const QSize text = button.text().isEmpty() ? QSize() : textSize(button.fontMetrics(), button.text());
    const QSize picture = pictureSize(button.icon(), button.iconSize());
    QSize needed = text.expandedTo(picture);
    if (button.toolButtonStyle() == Qt::ToolButtonTextUnderIcon && !picture.isEmpty())
        needed.setHeight(picture.height() + 4 + text.height());
    return problem(button, QStringLiteral("picture and text"), needed, contents.size());
}

QString checkOrOption(const QAbstractButton& button)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    option.rect = button.rect();
    option.text = button.text();
    const auto element = qobject_cast<const QRadioButton*>(&button) ? QStyle::SE_RadioButtonContents
                                                                     : QStyle::SE_CheckBoxContents;
    const QRect contents = button.style()->subElementRect(element, &option, &button);
    return problem(button, QStringLiteral("text"), textSize(button.fontMetrics(), button.text()), contents.size());
}

// The part of the font's descent below the text that no glyph of it reaches: a label may be
// that much lower than the font's line without cutting anything off.
int unusedDescent(const QFontMetrics& fm, const QString& text)
{
    const int ink = fm.tightBoundingRect(shownText(text)).bottom();
    return std::max(0, fm.descent() - std::max(0, ink));
}

QString label(const QLabel& label)
{
    const int margin = label.margin();
    const QRect contents = label.contentsRect().adjusted(margin, margin, -margin, -margin);
    const QPixmap picture = label.pixmap();
    // The forms' labels say the size they draw their picture at.
    const QVariant drawn = label.property("pictureSize");
    const QSize pictureSize = drawn.isValid() ? drawn.toSize() : picture.deviceIndependentSize().toSize();
    if (!picture.isNull() && !label.hasScaledContents())
        if (QString p = problem(label, QStringLiteral("picture"), pictureSize, contents.size()); !p.isEmpty())
            return p;
    if (label.text().isEmpty() || label.textFormat() == Qt::RichText)
        return {};
    const int flags = label.wordWrap() ? Qt::TextWordWrap : Qt::TextSingleLine;
    const QString text = label.text();
    const QFontMetrics fm = label.fontMetrics();
    const QRect needed = fm.boundingRect(contents, flags, text);
    return problem(label, label.wordWrap() ? QStringLiteral("wrapped text") : QStringLiteral("text"),
                   {needed.width(), needed.height() - unusedDescent(fm, text)}, contents.size());
}

QString frame(const QGroupBox& box)
{
    if (box.title().isEmpty())
        return {};
    QStyleOptionGroupBox option;
    option.initFrom(&box);
    option.rect = box.rect();
    option.text = box.title();
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    const QRect title = box.style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, &box);
    // The style gives the title the room of its letters' ink, which at a large size is narrower
    // than the text's advance; the ink is what must not be cut.
    const QSize needed = box.fontMetrics().boundingRect(shownText(box.title())).size();
    const QRect inside = box.rect();
    if (title.left() >= inside.left() && title.right() <= inside.right() && needed.width() <= title.width())
        return {};
    return QStringLiteral("%1 \"%2\": title needs %3 px, has %4")
        .arg(box.objectName(), box.title()).arg(needed.width()).arg(inside.right() - title.left());
}

QString controlProblem(const QWidget& control)
{
    if (auto* b = qobject_cast<const QAbstractButton*>(&control); b && b->property("textArea").isValid())
        return ownTextArea(*b);
    if (auto* b = qobject_cast<const QPushButton*>(&control))
        return pushButton(*b);
    if (auto* b = qobject_cast<const QToolButton*>(&control))
        return toolButton(*b);
    if (auto* b = qobject_cast<const QAbstractButton*>(&control))
        return checkOrOption(*b);
    if (auto* l = qobject_cast<const QLabel*>(&control))
        return label(*l);
    if (auto* g = qobject_cast<const QGroupBox*>(&control))
        return frame(*g);
    return {};
}

} // namespace

QStringList captionProblems(const QWidget& window)
{
    QStringList problems;
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        if (!control->isVisibleTo(&window) || control->window() != &window)
            continue;
        if (QString p = controlProblem(*control); !p.isEmpty())
            problems << p;
    }
    return problems;
}

} // namespace forms_check

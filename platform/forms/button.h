// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

namespace platform {

// The layouts' buttons, check boxes and option buttons wrap a caption too long for one line at
// word boundaries. Each says where it lays out its caption through the property "textArea".

// A command button as the layouts draw it: a picture sits centred above the caption at its own
// size scaled with the layout (smaller where the icon size or the button asks for it), and a
// caption too long for one line wraps.
class Button : public QPushButton {
    Q_OBJECT
    Q_PROPERTY(QRect textArea READ textArea)
public:
    explicit Button(const QString& caption, QWidget* parent = nullptr);

    // Where the caption is laid out, wrapped to its width.
    QRect textArea() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Layout {
        QRect picture;
        QRect text;
    };
    Layout layout() const;
    QRect inner() const;
};

// A check box whose caption wraps beside its box when it is wider than the control.
class CheckBox : public QCheckBox {
    Q_OBJECT
    Q_PROPERTY(QRect textArea READ textArea)
public:
    using QCheckBox::QCheckBox;
    QRect textArea() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// An option button whose caption wraps beside its circle when it is wider than the control.
class OptionButton : public QRadioButton {
    Q_OBJECT
    Q_PROPERTY(QRect textArea READ textArea)
public:
    using QRadioButton::QRadioButton;
    QRect textArea() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace platform

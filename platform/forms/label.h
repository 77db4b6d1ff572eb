// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace platform {

// A label or picture as the layouts draw it: a picture is drawn at its own size scaled with the
// layout (smoothly), placed by the label's alignment; with scaled contents it fills the label.
class Label : public QLabel {
    Q_OBJECT
    Q_PROPERTY(QSize pictureSize READ pictureSize)
public:
    using QLabel::QLabel;

    // The size the picture is drawn at; empty without a picture.
    QSize pictureSize() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace platform

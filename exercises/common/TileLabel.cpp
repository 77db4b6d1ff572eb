// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/common/TileLabel.h"

#include "platform/forms/end.h"

#include <QMouseEvent>

namespace {

class TileClick : public QObject {
public:
    TileClick(QLabel* label, std::function<void()> onClick) : QObject(label), onClick_(std::move(onClick)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonPress
            && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            platform::runHandler(onClick_);
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> onClick_;
};

} // namespace

void makeTile(QLabel* label, std::function<void()> onClick)
{
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(false);
    label->setFrameShape(QFrame::Box);
    label->setAutoFillBackground(true);
    QPalette colours = label->palette();
    colours.setColor(QPalette::Window, QColor(255, 250, 220));
    colours.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(colours);
    label->installEventFilter(new TileClick(label, std::move(onClick)));
}

// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/Hintergrund.h"

#include "platform/forms/application.h"
#include "platform/forms/twips.h"
#include "platform/services.h"

#include <QWindow>

Hintergrund::Hintergrund(bool taskbarVisible, platform::Form& mainWindow)
    : Form(QStringLiteral("Hintergrund")), taskbarVisible_(taskbarVisible), mainWindow_(mainWindow)
{
    setCaption(QStringLiteral("Hintergrund"));
    setWindowFlag(Qt::FramelessWindowHint);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    for (QWidget* widget : {static_cast<QWidget*>(this), client()}) {
        widget->setPalette(black);
        widget->setAutoFillBackground(true);
    }
}

void Hintergrund::Form_Load()
{
    place();
    setWindowIcon(mainWindow_.windowIcon());
    winId();
    // Without the taskbar the backdrop goes above the desktop's panels, as a kiosk window does.
    if (!taskbarVisible_)
        setWindowState(windowState() | Qt::WindowFullScreen);
    mainWindow_.winId();
    QWindow* main = mainWindow_.windowHandle();
    savedOwner_ = main->transientParent();
    main->setTransientParent(windowHandle());
}

// The work area keeps the taskbar visible; otherwise the whole screen is covered. Also in the
// 640 x 480 mode: the real screen, whatever its aspect ratio, not only the scaled layout.
void Hintergrund::place()
{
    const platform::Display& display = *platform::services().display;
    const QRect area = taskbarVisible_ ? display.workArea() : display.screen();
    setClientSizeTwips(platform::pixelsToTwips(area.width()), platform::pixelsToTwips(area.height()));
    setFixedSize(area.size());
    move(area.topLeft());
}

void Hintergrund::restoreOwner()
{
    if (QWindow* main = mainWindow_.windowHandle())
        main->setTransientParent(savedOwner_);
}

bool Hintergrund::Form_QueryUnload(platform::UnloadMode mode)
{
    return mode != platform::UnloadMode::Code;
}

void Hintergrund::showEvent(QShowEvent* event)
{
    Form::showEvent(event);
    platform::raiseShownWindows(this);
}

void Hintergrund::changeEvent(QEvent* event)
{
    Form::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isActiveWindow())
        return;
    // The keys go to the window in front again, not to the backdrop.
    if (QWidget* front = platform::raiseShownWindows(this))
        front->activateWindow();
}

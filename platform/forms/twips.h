// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QSize>

// Layouts are given in twips; this is the one place that turns them into pixels.
namespace platform {

constexpr int kTwipsPerPixel = 15;

// Pixels per twip times this factor; the 640 x 480 display mode scales every layout up, and
// with it everything a form draws: fonts, pictures, menu bars, check boxes and the style's
// other measures. Windows already made follow a change.
void setLayoutScale(double scale);
double layoutScale();
// The scale of the 640 x 480 mode on a screen of this size: the layout as large as it holds.
double lowResolutionScale(QSize screen);

int twipsToPixels(int twips);
int pixelsToTwips(int pixels);
QRect twipsRect(int left, int top, int width, int height);

// A measure in pixels of the unscaled layout (a picture's own size, a style's measure) as it is
// drawn now.
int scaledPixels(int pixels);
QSize scaledSize(QSize pixels);

} // namespace platform

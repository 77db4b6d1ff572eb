// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/forms/twips.h"

#include "platform/forms/scaling.h"

#include <algorithm>
#include <cmath>

namespace platform {

namespace {
double g_scale = 1.0;
}

void setLayoutScale(double scale)
{
    const double next = scale > 0 ? scale : 1.0;
    if (next == g_scale)
        return;
    const double factor = next / g_scale;
    g_scale = next;
    followLayoutScale(factor);
}

double layoutScale()
{
    return g_scale;
}

double lowResolutionScale(QSize screen)
{
    return std::min(screen.width() / 640.0, screen.height() / 480.0);
}

int twipsToPixels(int twips)
{
    return static_cast<int>(std::lround(twips * g_scale / kTwipsPerPixel));
}

int pixelsToTwips(int pixels)
{
    return static_cast<int>(std::lround(pixels * kTwipsPerPixel / g_scale));
}

QRect twipsRect(int left, int top, int width, int height)
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

int scaledPixels(int pixels)
{
    return static_cast<int>(std::lround(pixels * g_scale));
}

QSize scaledSize(QSize pixels)
{
    return {scaledPixels(pixels.width()), scaledPixels(pixels.height())};
}

} // namespace platform

#pragma once

#include <QRect>

// Layouts are given in twips; this is the one place that turns them into pixels.
namespace platform {

constexpr int kTwipsPerPixel = 15;

// Pixels per twip times this factor; the 640 x 480 display mode scales every layout up.
void setLayoutScale(double scale);
double layoutScale();

int twipsToPixels(int twips);
int pixelsToTwips(int pixels);
QRect twipsRect(int left, int top, int width, int height);

} // namespace platform

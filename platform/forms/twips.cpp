#include "twips.h"

#include <cmath>

namespace platform {

namespace {
double g_scale = 1.0;
}

void setLayoutScale(double scale)
{
    g_scale = scale > 0 ? scale : 1.0;
}

double layoutScale()
{
    return g_scale;
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

} // namespace platform

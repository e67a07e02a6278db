// SPDX-License-Identifier: GPL-3.0-or-later
#include "Zoom.h"

#include "Twips.h"

#include <algorithm>
#include <cmath>

namespace tintrix {

namespace {
double g_zoom = 1.0;
} // namespace

double BoardZoom() { return g_zoom; }

double ClampZoom(double zoom)
{
    if (!std::isfinite(zoom))
        return kMinZoom;
    return std::round(std::clamp(zoom, kMinZoom, kMaxZoom) * 20.0) / 20.0;
}

double SetBoardZoom(double zoom)
{
    g_zoom = ClampZoom(zoom);
    return g_zoom;
}

int ZoomedTwips(int twips)
{
    return int(std::lround(double(twips) * g_zoom / kTwipsPerPixel));
}

QFont ZoomedFont(QFont font)
{
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * g_zoom);
    else if (font.pixelSize() > 0)
        font.setPixelSize(int(std::lround(font.pixelSize() * g_zoom)));
    return font;
}

} // namespace tintrix

// SPDX-License-Identifier: GPL-3.0-or-later
#include "Zoom.h"

#include "Twips.h"

#include <cmath>

namespace tintrix {

int ZoomedTwips(int twips, double zoom)
{
    return int(std::lround(double(twips) * zoom / kTwipsPerPixel));
}

QFont ZoomedFont(QFont font, double zoom)
{
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * zoom);
    else if (font.pixelSize() > 0)
        font.setPixelSize(int(std::lround(font.pixelSize() * zoom)));
    return font;
}

} // namespace tintrix

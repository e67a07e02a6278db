// SPDX-License-Identifier: GPL-3.0-or-later
#include "Piece.h"

namespace tintrix {

std::vector<int> ColorsOf(std::span<const Piece> pieces)
{
    std::vector<int> colours;
    colours.reserve(pieces.size());
    for (const Piece& p : pieces)
        colours.push_back(p.Color);
    return colours;
}

} // namespace tintrix

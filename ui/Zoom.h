// SPDX-License-Identifier: GPL-3.0-or-later
// Lengths and fonts at a size factor: the board hands its factor to every window it opens.
#pragma once

#include <QFont>

namespace tintrix {

/** Logical pixels for a length in twips at the size factor (1 is the normal size). */
[[nodiscard]] int ZoomedTwips(int twips, double zoom);
/** The font grown by the size factor. */
[[nodiscard]] QFont ZoomedFont(QFont font, double zoom);

} // namespace tintrix

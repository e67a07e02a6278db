// SPDX-License-Identifier: GPL-3.0-or-later
// How large the board is drawn: every window of the game follows the board's size.
#pragma once

#include <QFont>

namespace tintrix {

inline constexpr double kMinZoom = 1.0;   ///< the normal size: the layout table as it stands
inline constexpr double kMaxZoom = 3.0;
inline constexpr double kZoomStep = 0.25; ///< one step of Ctrl++ or Ctrl+-

/** The board's size factor, kMinZoom..kMaxZoom; 1 until the board sets another. */
[[nodiscard]] double BoardZoom();
/** Sets the factor, clamped to the range and rounded to a twentieth, so that a window being
 *  dragged larger does not redraw the pictures at every pixel. Returns the factor set. */
double SetBoardZoom(double zoom);
/** A factor as SetBoardZoom would keep it. */
[[nodiscard]] double ClampZoom(double zoom);

/** Logical pixels for a length in twips at the board's size. */
[[nodiscard]] int ZoomedTwips(int twips);
/** The font grown by the board's size. */
[[nodiscard]] QFont ZoomedFont(QFont font);

} // namespace tintrix

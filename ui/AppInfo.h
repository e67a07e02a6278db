// SPDX-License-Identifier: GPL-3.0-or-later
// The application's title, as message boxes and the about box show it.
#pragma once

#include <QString>

namespace tintrix {

/** "Tintrix". Kept apart from Qt's display name, which window systems would append to every
 *  window title (the board's title is "Tintrix " with its blank, the banner's a single blank). */
inline QString ApplicationTitle() { return QStringLiteral("Tintrix"); }

} // namespace tintrix

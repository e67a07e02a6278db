// SPDX-License-Identifier: GPL-3.0-or-later
// What screen readers see of the board's own controls: the image controls as buttons or
// pictures, the board itself as the place that speaks the state of play.
#pragma once

#include <QAccessible>
#include <QString>

class QWidget;

namespace tintrix {

/** Dynamic properties that a widget carries to tell the screen reader more than its class can.
 *  kRole: a QAccessible::Role (int); a widget carrying it gets this file's interface.
 *  kCheckable / kChecked: a toggle, such as the colour taken in hand (bool).
 *  kFocusable: the widget can hold the focus although it takes none from the mouse (bool). */
inline constexpr const char* kAccessibleRole = "tintrixAccessibleRole";
inline constexpr const char* kAccessibleCheckable = "tintrixAccessibleCheckable";
inline constexpr const char* kAccessibleChecked = "tintrixAccessibleChecked";
inline constexpr const char* kAccessibleFocusable = "tintrixAccessibleFocusable";

/** Installs the interface factory for the widgets above; every ImageControl gets it too, as a
 *  button unless its role says otherwise. Call before the board is built. */
void InstallBoardAccessibility();

/** Sets the role of a widget for screen readers. */
void SetAccessibleRole(QWidget* widget, QAccessible::Role role);

/** Set a widget's name or description only when it changes: every call tells the screen
 *  reader, and a stream of unchanged names delays what it says. */
void SetAccessibleName(QWidget* widget, const QString& name);
void SetAccessibleDescription(QWidget* widget, const QString& description);

/** Marks a toggle checked or not, and tells the screen reader when that changes. */
void SetAccessibleChecked(QWidget* widget, bool checked);

} // namespace tintrix

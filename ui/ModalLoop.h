// SPDX-License-Identifier: GPL-3.0-or-later
// Showing a self-closing dialog modally without losing a close that comes early.
#pragma once

class QDialog;

namespace tintrix {

/** Shows the dialog modally and returns its result once it has finished, like QDialog::exec().
 *  Unlike exec(), it also returns when the dialog finished while it was still being shown:
 *  a splash screen handles pending events (its own timers among them) inside show(), before
 *  exec() starts the loop that waits for the close, and that loop would then wait forever. */
int RunModal(QDialog& dialog);

} // namespace tintrix

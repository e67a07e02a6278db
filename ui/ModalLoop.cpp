// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModalLoop.h"

// Qt
#include <QDialog>
#include <QEventLoop>

namespace tintrix {

int RunModal(QDialog& dialog)
{
    bool finished = false;
    QEventLoop loop;
    const QMetaObject::Connection whenFinished = QObject::connect(&dialog, &QDialog::finished, &loop, [&] {
        finished = true;
        loop.quit();
    });
    dialog.setResult(0);
    dialog.setModal(true);
    dialog.show();
    // The flag, not the loop, decides: a close during show() came before the loop existed.
    if (!finished)
        loop.exec(QEventLoop::DialogExec);
    QObject::disconnect(whenFinished);
    return dialog.result();
}

} // namespace tintrix

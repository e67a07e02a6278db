// SPDX-License-Identifier: GPL-3.0-or-later
// The program: start-up, then the board window's events until the player leaves.
#include "Form1.h"
#include "Startup.h"
#include "SystemAudio.h"

// Qt
#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // The settings are kept under the executable's name, Qt's default application name.
    QApplication::setApplicationVersion(TINTRIX_VERSION);
    QApplication::setWindowIcon(QIcon(":/pictures/tintrix-256.png"));
    const QString programFolder = QApplication::applicationDirPath();

    const tintrix::Program program = tintrix::Main(programFolder, [&programFolder] {
        return tintrix::CreateSystemAudio(tintrix::EffectFiles(programFolder));
    });
    QObject::connect(program.board.get(), &tintrix::Form1::exitConfirmed, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    return app.exec();
}

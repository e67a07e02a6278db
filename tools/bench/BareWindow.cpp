// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for start-up: the lightest Qt Widgets program with the game's kind of window,
// a QMainWindow with a menu and a status bar, and nothing else. The benchmark starts it beside
// the game and compares their first pictures and their resident memory.
//
//   tintrix_barewindow
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare"));
    QMenu* file = window.menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("E&xit"), &app, &QApplication::quit);
    window.statusBar()->showMessage(QStringLiteral("Ready"));
    window.resize(640, 480);
    window.show();
    return app.exec();
}

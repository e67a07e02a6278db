// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up: splash, high scores, the board window at level 1.
#include "Form1.h"
#include "HighScoreBook.h"
#include "SystemAudio.h"
#include "frmSplash.h"

// Qt
#include <QApplication>
#include <QIcon>

#include <memory>

namespace {

// The effects are loaded once at start-up so that no click waits for a file.
QStringList effectFiles(const QString& folder)
{
    QStringList files;
    for (const char* name : {"Change.wav", "DropPeg.wav", "Gling.wav", "redo.wav"})
        files << folder + '/' + QLatin1String(name);
    return files;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // The settings are kept under the executable's name, Qt's default application name.
    QApplication::setApplicationVersion(TINTRIX_VERSION);
    QApplication::setWindowIcon(QIcon(":/pictures/tintrix-256.png"));
    const QString programFolder = QApplication::applicationDirPath();

    // Main: every step completes before the next begins.
    {
        tintrix::frmSplash splash;
        splash.exec();
    }

    tintrix::HighScoreBook scores(programFolder);
    scores.LoadHighScores();

    const std::unique_ptr<tintrix::AudioBackend> audio = tintrix::CreateSystemAudio(effectFiles(programFolder));
    tintrix::Form1 board({programFolder, audio.get(), &scores, {}});
    QObject::connect(&board, &tintrix::Form1::exitConfirmed, &app, &QApplication::quit, Qt::QueuedConnection);
    board.BindFeedbackPictures();
    board.LoadColorBars();
    board.LoadUndoRedoPictures();
    board.Level1_Click();
    board.show();

    return app.exec();
}

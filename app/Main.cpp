// SPDX-License-Identifier: GPL-3.0-or-later
// The program: start-up, then the board window's events until the player leaves.
#include "Form1.h"
#include "GameSound.h"
#include "Secret.h"
#include "Startup.h"
#include "SoundModule.h"
#include "Translations.h"
#include "TournamentKeeper.h"

// Qt
#include <QApplication>
#include <QIcon>
#include <QStandardPaths>

#include <memory>

namespace {

QtMessageHandler g_defaultHandler = nullptr;

// The game writes no log: the sound libraries' notes about a missing sound card and the like
// are dropped; only critical errors still reach the terminal.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        g_defaultHandler(type, context, message);
}

} // namespace

int main(int argc, char* argv[])
{
    g_defaultHandler = qInstallMessageHandler(quietHandler);
    QApplication app(argc, argv);
    // The settings are kept under the executable's name, Qt's default application name.
    QApplication::setApplicationVersion(TINTRIX_VERSION);
    QApplication::setWindowIcon(QIcon(":/pictures/tintrix-256.png"));
    const QString programFolder = QApplication::applicationDirPath();
    // The desktop's language, when the game has it; English otherwise. Nothing stored depends
    // on it: scores and settings read and write the same in every language.
    tintrix::InstallTranslations(programFolder + QStringLiteral("/translations"));

    // Test seam: TINTRIX_TEST_SEED fixes the secrets, so that a scripted player can replay a
    // game it has seen. Unset, the board draws them from its clock-seeded generator.
    std::function<float()> random;
    bool seeded = false;
    const qulonglong seed = qEnvironmentVariable("TINTRIX_TEST_SEED").toULongLong(&seeded);
    if (seeded)
        random = [generator = std::make_shared<tintrix::RandomGenerator>(seed)] { return generator->next(); };
    // Test seam: TINTRIX_TEST_TIME_SCALE multiplies every timer of the game (splash, banners,
    // dropping pegs) by one factor, so that a scripted player need not wait them out. Unset,
    // the timers run at their real lengths.
    bool scaled = false;
    const double timeScale = qEnvironmentVariable("TINTRIX_TEST_TIME_SCALE").toDouble(&scaled);

    const tintrix::Program program = tintrix::Main(
        programFolder, [&programFolder] { return tintrix::CreateGameAudio(programFolder); },
        {.random = std::move(random), .timeScale = scaled && timeScale > 0 ? timeScale : 1.0});
    // Leaving ends every event loop at once, the modal ones included.
    QObject::connect(program.board.get(), &tintrix::Form1::exitConfirmed, &app, [] { QApplication::exit(0); });
    // The tournament left last time goes on; from now on every change of the game is kept.
    tintrix::TournamentKeeper keeper(*program.board, *program.scores,
                                     QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    keeper.Resume();
    return app.exec();
}

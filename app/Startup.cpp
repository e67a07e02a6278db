// SPDX-License-Identifier: GPL-3.0-or-later
#include "Startup.h"

// own
#include "AudioBackend.h"
#include "BoardAccessible.h"
#include "BoardSize.h"
#include "Form1.h"
#include "GameSound.h"
#include "HighScoreBook.h"
#include "TimeScale.h"
#include "frmSplash.h"

#include <malloc.h>

namespace tintrix {

Program::Program() = default;
Program::Program(Program&&) noexcept = default;
Program::~Program() = default;

namespace {

/** The board tells what happened; the high score table and the sound system act on it. */
void Wire(Program& program)
{
    Form1* board = program.board.get();
    GameSound* sound = program.sound.get();
    HighScoreBook* scores = program.scores.get();
    QObject::connect(board, &Form1::soundCue, sound, &GameSound::PlayEffect);
    QObject::connect(board, &Form1::musicCue, sound, &GameSound::cueMusic);
    QObject::connect(board, &Form1::gameEnded, board, [board, scores](qint32 score, int level) {
        scores->RecordHighScore(score, level, board);
    });
    // The table opens at the board's size.
    QObject::connect(board, &Form1::highScoresRequested, board,
                     [board, scores] { scores->ShowHighScores(board, board->boardSize().zoom()); });
}

} // namespace

Program Main(const QString& programFolder, const std::function<std::unique_ptr<AudioBackend>()>& makeAudio,
             StartOptions options)
{
    auto done = [&options](const char* name) {
        if (options.step)
            options.step(QLatin1String(name));
    };
    // Large blocks (pictures drawn for a large board, the music's buffers) get pages of their
    // own that go back to the system when freed. By default the allocator raises this limit
    // once such a block has been freed, and later large blocks stay in the heap as holes it
    // does not give back.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
    const double timeScale = options.timeScale;
    Program program;
    {
        frmSplash splash(timeScale);
        splash.exec();
    }
    done("splash");

    program.scores = std::make_unique<HighScoreBook>(programFolder);
    program.scores->LoadHighScores();
    done("high scores");

    program.audio = makeAudio();
    program.sound = std::make_unique<GameSound>(*program.audio, programFolder, ScaledMs(1000, timeScale));
    InstallBoardAccessibility();
    program.board = std::make_unique<Form1>(Form1::Services{programFolder, std::move(options.random), timeScale});
    Wire(program);
    done("board loaded");
    program.board->BindFeedbackPictures();
    program.board->LoadColorBars();
    program.board->LoadUndoRedoPictures();
    done("pictures");
    program.board->Level1_Click();
    done("level 1");
    program.board->show();
    done("shown");
    return program;
}

} // namespace tintrix

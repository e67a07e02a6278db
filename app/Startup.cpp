// SPDX-License-Identifier: GPL-3.0-or-later
#include "Startup.h"

// own
#include "AudioBackend.h"
#include "Form1.h"
#include "HighScoreBook.h"
#include "frmSplash.h"

namespace tintrix {

Program::Program() = default;
Program::Program(Program&&) noexcept = default;
Program::~Program() = default;

QStringList EffectFiles(const QString& programFolder)
{
    // Loaded once at start-up so that no click waits for a file.
    QStringList files;
    for (const char* name : {"Change.wav", "DropPeg.wav", "Gling.wav", "redo.wav"})
        files << programFolder + '/' + QLatin1String(name);
    return files;
}

Program Main(const QString& programFolder, const std::function<std::unique_ptr<AudioBackend>()>& makeAudio,
             const std::function<void(const QString&)>& step)
{
    auto done = [&step](const char* name) {
        if (step)
            step(QLatin1String(name));
    };
    Program program;
    {
        frmSplash splash;
        splash.exec();
    }
    done("splash");

    program.scores = std::make_unique<HighScoreBook>(programFolder);
    program.scores->LoadHighScores();
    done("high scores");

    program.audio = makeAudio();
    program.board = std::make_unique<Form1>(Form1::Services{programFolder, program.audio.get(), program.scores.get(), {}});
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

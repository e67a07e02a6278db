// SPDX-License-Identifier: GPL-3.0-or-later
// The turn flow: the check button, the falling feedback pegs, winning, losing and the
// tournament. The banners and the reveal window are modal; what follows each of them runs once
// it has closed.
#include "Form1.h"

// own
#include "AppInfo.h"
#include "LevelCatalogue.h"
#include "LevelFrm.h"
#include "Masterfrm.h"
#include "PicFrm.h"
#include "TimeScale.h"

// Qt
#include <QAction>
#include <QMessageBox>

namespace tintrix {

std::function<void()> Form1::unlessExiting(std::function<void()> step)
{
    return [this, step = std::move(step)] {
        if (!m_exiting)
            step();
    };
}

void Form1::PlayEffect(SoundCue cue)
{
    if (SoundOn->isChecked())
        emit soundCue(cue);
}

// ---------------------------------------------------------------------------------------------
// The check button and the feedback pegs

void Form1::Image2_Click()
{
    switch (m_game.CheckMatch()) {
    case CheckStart::Ignored:
        return; // no level is being played
    case CheckStart::Incomplete:
        QMessageBox::information(this, ApplicationTitle(), "First fill the current row.");
        return;
    case CheckStart::Started:
        break;
    }
    render();
    // One peg every 200 ms; a row that earns none is done at once.
    if (m_game.pegsToDrop() == 0)
        afterCheck();
    else
        Timer1.start(ScaledMs(200));
}

void Form1::Timer1_Timer()
{
    if (m_game.DropPeg()) {
        PlayEffect(SoundCue::DropPeg);
        render();
    }
    if (m_game.pegsToDrop() == 0) {
        Timer1.stop();
        afterCheck();
    }
}

void Form1::afterCheck()
{
    const int checkedRow = m_game.state().CurrentRow;
    const std::optional<CheckEnd> end = m_game.FinishCheck();
    if (!end)
        return;
    m_spokenResult = resultText(checkedRow, *end);
    if (m_game.state().GameWon)
        PlayEffect(SoundCue::Gling);
    render();

    switch (*end) {
    case CheckEnd::NextRow:
        runDeferredCommands();
        break;
    case CheckEnd::LevelLost:
        GameOver();
        break;
    case CheckEnd::TournamentWon:
        FinishTournament();
        break;
    case CheckEnd::LevelWon:
        // The win is counted; New Game or End Game chosen during the check comes before the
        // next level is announced.
        if (m_deferredCommands.empty())
            NextLevel();
        else
            runDeferredCommands();
        break;
    }
}

void Form1::runDeferredCommands()
{
    while (!m_deferredCommands.empty() && !m_exiting) {
        const std::function<void()> command = m_deferredCommands.front();
        m_deferredCommands.erase(m_deferredCommands.begin());
        command();
        // A command that shows a banner runs the rest once the game has come to rest again.
        if (m_game.phase() == Phase::BetweenLevels || m_game.phase() == Phase::GameOver)
            return;
    }
}

// ---------------------------------------------------------------------------------------------
// Levels and the tournament

void Form1::Tournament_Click()
{
    if (m_game.phase() == Phase::Checking) {
        m_deferredCommands.push_back([this] { Tournament_Click(); });
        return;
    }
    if (!m_game.NewGame())
        return;
    StartMusic();
    // The pictures are loaded again as they are needed.
    Pictures->Unload();
    renderBoardName();
    NextLevel();
}

void Form1::NextLevel()
{
    const std::optional<int> level = m_game.nextLevel();
    if (!level)
        return;
    const LevelSpec& spec = *FetchLevel(CatalogueRowForLevel(*level));
    LevelFrm::Announce(this, QStringLiteral("LEVEL %1").arg(*level),
                       QString::fromLatin1(spec.LevelDescription.data(), qsizetype(spec.LevelDescription.size())),
                       unlessExiting([this] {
                           if (!m_game.StartLevelPlay())
                               return;
                           render();
                           runDeferredCommands();
                       }));
}

void Form1::EndGame_Click()
{
    if (m_game.phase() == Phase::Checking) {
        m_deferredCommands.push_back([this] { EndGame_Click(); });
        return;
    }
    if (!m_game.EndGame())
        return;
    render();
    GameOver();
}

void Form1::GameOver()
{
    LevelFrm::Announce(this, "SORRY!", "GAME OVER", unlessExiting([this] {
        // Centred across the board, half its own height below the board's top.
        MasterWindow->FitToBoard();
        const QRect board = frameGeometry();
        const QRect own = MasterWindow->frameGeometry();
        MasterWindow->move(board.left() + board.width() / 2 - own.width() / 2, board.top() + own.height() / 2);
        connect(MasterWindow, &QDialog::finished, this, unlessExiting([this] { endTournament(); }),
                Qt::SingleShotConnection);
        MasterWindow->show();
    }));
}

void Form1::FinishTournament()
{
    // All 36 levels won: the tournament ends with its final score on the solved board.
    LevelFrm::Announce(this, "CONGRATULATIONS!", "ALL 36 LEVELS SOLVED", unlessExiting([this] { endTournament(); }));
}

void Form1::endTournament()
{
    emit musicCue(MusicCue::Stop);
    emit gameEnded(m_game.state().Score, m_game.state().CurrentLevel);
    if (m_exiting)
        return;
    m_game.CloseGame();
    render();
    runDeferredCommands();
}

void Form1::StartMusic()
{
    m_generator.seedFromClock();
    emit musicCue(MusicCue::Restart);
    if (MusicOn->isChecked())
        emit musicCue(MusicCue::Play);
}

} // namespace tintrix

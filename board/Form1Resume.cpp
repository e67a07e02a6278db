// SPDX-License-Identifier: GPL-3.0-or-later
// Going on with a kept tournament: the model takes it over, the board shows what the model
// holds, and whatever was under way when the game was left goes on.
#include "Form1.h"

// own
#include "BoardSize.h"
#include "BoardSpeech.h"
#include "LevelFrm.h"
#include "PicFrm.h"
#include "Preferences.h"

// Qt
#include <QCoreApplication>

namespace tintrix {

bool Form1::ResumeGame(const SavedGame& saved)
{
    if (!m_game.Resume(saved))
        return false;
    // As after New Game: the secrets of the levels to come from the clock, the music playing.
    m_generator.seedFromClock();
    emit musicCue(MusicCue::Restart);
    if (m_prefs->music())
        emit musicCue(MusicCue::Play);
    m_speech->renderBoardName();
    render();

    const GameState& s = m_game.state();
    const int level = m_game.phase() == Phase::BetweenLevels ? s.CurrentLevel + 1 : s.CurrentLevel;
    LevelFrm::Announce(this, {m_size->zoom(), m_services.timeScale},
                       QCoreApplication::translate("Board", "TOURNAMENT RESUMED"),
                       QCoreApplication::translate("Board", "LEVEL %1, SCORE %2").arg(std::min(level, 36)).arg(s.Score),
                       [this] {
                           if (m_exiting)
                               return;
                           switch (m_game.phase()) {
                           case Phase::BetweenLevels: // a won level: the next one is announced
                               NextLevel();
                               break;
                           case Phase::GameOver: // the check that was under way ended the game
                               if (m_game.state().GameWon)
                                   FinishTournament();
                               else
                                   GameOver();
                               break;
                           default:
                               break;
                           }
                       });
    return true;
}

} // namespace tintrix

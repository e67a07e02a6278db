// SPDX-License-Identifier: GPL-3.0-or-later
// The turn flow: the check button, winning, losing and the tournament. The banners and the
// reveal window are modal; what follows each of them runs once it has closed.
#include "Form1.h"

// own
#include "AppInfo.h"
#include "BoardSize.h"
#include "BoardSpeech.h"
#include "CheckPacing.h"
#include "LevelCatalogue.h"
#include "LevelFrm.h"
#include "Masterfrm.h"
#include "PicFrm.h"
#include "Preferences.h"

// Qt
#include <QCoreApplication>
#include <QMessageBox>

namespace tintrix {

namespace {
/** Runs step unless the player has left the board in the meantime. */
std::function<void()> UnlessExiting(const Form1* board, std::function<void()> step)
{
    return [board, step = std::move(step)] {
        if (!board->exiting())
            step();
    };
}
} // namespace

void Form1::PlayEffect(SoundCue cue)
{
    if (m_prefs->sound())
        emit soundCue(cue);
}

// ---------------------------------------------------------------------------------------------
// The check button

void Form1::Image2_Click()
{
    switch (m_game.CheckMatch()) {
    case CheckStart::Ignored:
        return; // no level is being played
    case CheckStart::Incomplete:
        QMessageBox::information(this, ApplicationTitle(), QCoreApplication::translate("Board", "First fill the current row."));
        return;
    case CheckStart::Started:
        break;
    }
    render();
    m_pacing->start();
}

void Form1::afterCheck()
{
    const int checkedRow = m_game.state().CurrentRow;
    const std::optional<CheckEnd> end = m_game.FinishCheck();
    if (!end)
        return;
    m_speech->checked(checkedRow, *end);
    if (m_game.state().GameWon)
        PlayEffect(SoundCue::Gling);
    render();

    switch (*end) {
    case CheckEnd::NextRow:
        m_pacing->runDeferred();
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
        if (m_pacing->anyDeferred())
            m_pacing->runDeferred();
        else
            NextLevel();
        break;
    }
}

// ---------------------------------------------------------------------------------------------
// Levels and the tournament

void Form1::Tournament_Click()
{
    if (m_pacing->deferred([this] { Tournament_Click(); }) || !m_game.NewGame())
        return;
    // Every game's secrets come from a generator seeded afresh here.
    m_generator.seedFromClock();
    emit musicCue(MusicCue::Restart);
    if (m_prefs->music())
        emit musicCue(MusicCue::Play);
    // The pictures are loaded again as they are needed.
    Pictures->Unload();
    m_speech->renderBoardName();
    NextLevel();
}

void Form1::NextLevel()
{
    const std::optional<int> level = m_game.nextLevel();
    if (!level)
        return;
    const LevelSpec& spec = *FetchLevel(CatalogueRowForLevel(*level));
    const QByteArray description(spec.LevelDescription.data(), qsizetype(spec.LevelDescription.size()));
    LevelFrm::Announce(this, {m_size->zoom(), m_services.timeScale}, QCoreApplication::translate("Board", "LEVEL %1").arg(*level),
                       QCoreApplication::translate("Board", description.constData()), UnlessExiting(this, [this] {
                           if (!m_game.StartLevelPlay())
                               return;
                           m_panelColour = 0;
                           render();
                           m_pacing->runDeferred();
                       }));
}

void Form1::EndGame_Click()
{
    if (m_pacing->deferred([this] { EndGame_Click(); }) || !m_game.EndGame())
        return;
    render();
    GameOver();
}

void Form1::GameOver()
{
    LevelFrm::Announce(this, {m_size->zoom(), m_services.timeScale}, QCoreApplication::translate("Board", "SORRY!"), QCoreApplication::translate("Board", "GAME OVER"), UnlessExiting(this, [this] {
        // Centred across the board, half its own height below the board's top.
        Masterfrm* reveal = c.MasterWindow;
        reveal->FitToBoard(m_size->zoom());
        const QRect board = frameGeometry();
        const QRect own = reveal->frameGeometry();
        reveal->move(board.left() + board.width() / 2 - own.width() / 2, board.top() + own.height() / 2);
        connect(reveal, &QDialog::finished, this, UnlessExiting(this, [this] { endTournament(); }), Qt::SingleShotConnection);
        reveal->show();
    }));
}

void Form1::FinishTournament()
{
    // All 36 levels won: the tournament ends with its final score on the solved board.
    LevelFrm::Announce(this, {m_size->zoom(), m_services.timeScale}, QCoreApplication::translate("Board", "CONGRATULATIONS!"), QCoreApplication::translate("Board", "ALL 36 LEVELS SOLVED"),
                       UnlessExiting(this, [this] { endTournament(); }));
}

void Form1::endTournament()
{
    emit musicCue(MusicCue::Stop);
    emit gameEnded(m_game.state().Score, m_game.state().CurrentLevel);
    if (m_exiting)
        return;
    m_game.CloseGame();
    render();
    m_pacing->runDeferred();
}

} // namespace tintrix

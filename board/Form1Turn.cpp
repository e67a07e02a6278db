// SPDX-License-Identifier: GPL-3.0-or-later
// The turn flow: the check button, the feedback pegs, winning, losing and the tournament.
#include "Form1.h"

// own
#include "AppInfo.h"
#include "HighScoreBook.h"
#include "ImageControl.h"
#include "LevelCatalogue.h"
#include "LevelFrm.h"
#include "Masterfrm.h"
#include "MusicControl.h"
#include "PicFrm.h"
#include "Score.h"
#include "Scoring.h"
#include "TimeScale.h"
#include "TurnFlow.h"
#include "Twips.h"

// Qt
#include <QEventLoop>

#include <algorithm>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>

namespace tintrix {

// ---------------------------------------------------------------------------------------------
// The check button

void Form1::Image2_Click()
{
    GameState& s = m_state;
    Image2->setEnabled(false);

    const auto row = s.GuessPieces.row(s.CurrentRow);
    if (std::any_of(row.begin(), row.end(), [](const Piece& p) { return p.Color == 0; })) {
        Image2->setEnabled(true);
        // With no game running the click is simply ignored.
        if (EndGame->isEnabled())
            QMessageBox::information(this, ApplicationTitle(), "First fill the current row.");
        refreshView();
        return;
    }

    // Commands that restart or end the game wait until this check is over.
    m_checking = true;
    CheckMatch();
    if (m_exiting)
        return;

    switch (OutcomeOfCheck(s.TurnNumber, s.RowLimit, s.GameWon)) {
    case CheckOutcome::NextRow: {
        const QRect r = TwipGeometry(Image2);
        setTwipGeometry(Image2, r.x(), r.y() + 360, r.width(), r.height());
        ++s.CurrentRow;
        ++s.TurnNumber;
        m_cursorHole = 0;
        break;
    }
    case CheckOutcome::LevelLost:
        m_checking = false;
        GameOver();
        runDeferredCommand();
        return;
    case CheckOutcome::LevelWon:
        DisableBoard();
        break;
    }

    coverOlderFeedback();
    for (Piece& master : s.MasterPieces)
        master.Matched = false;
    Image2->setEnabled(true);

    if (s.GameWon) {
        UpdateScore();
        ResetTopRowBorders();
        if (s.CurrentLevel >= kTournamentLevels) {
            m_checking = false;
            FinishTournament();
        } else {
            NextLevel();
            StartLevelPlay();
        }
    }
    m_checking = false;
    refreshView();
    runDeferredCommand();
}

void Form1::coverOlderFeedback()
{
    // From level 19 on, older rows show one X per feedback peg instead of its colour.
    const std::optional<int> covered = RowToCover(m_state.CurrentLevel, m_state.CurrentRow);
    if (!covered)
        return;
    for (const Piece& clue : m_state.CluePieces.row(*covered)) {
        if (clue.Matched)
            clue.Hole->setPicture(XPic);
    }
}

void Form1::CheckMatch()
{
    GameState& s = m_state;
    const MatchCounts counts = MarkMatches(s.GuessPieces.row(s.CurrentRow), s.MasterPieces);

    for (int k = 0; k < counts.exact; ++k) {
        waitOneTick();
        if (m_exiting)
            return;
        showFeedbackPeg(k, BlackPic);
    }
    for (int k = 0; k < counts.colourOnly; ++k) {
        waitOneTick();
        if (m_exiting)
            return;
        showFeedbackPeg(counts.exact + k, GreyPic);
    }

    if (counts.exact == s.LastHoleIndex + 1) {
        PlayEffect("\\Gling.wav");
        DisableBoard();
        s.GameWon = true;
    }
}

void Form1::showFeedbackPeg(int hole, const QPixmap& peg)
{
    Piece& clue = m_state.CluePieces(m_state.CurrentRow, hole);
    clue.Hole->setSpecialEffect(ImageControl::Effect::Raised);
    clue.Hole->setPicture(peg);
    clue.Matched = true;
    PlayEffect("\\DropPeg.wav");
    refreshView();
}

void Form1::waitOneTick()
{
    // Keep the window alive while the next peg waits for its tick.
    m_state.PegDelayPending = true;
    Timer1.start(ScaledMs(200));
    QEventLoop loop;
    m_tickLoop = &loop;
    while (m_state.PegDelayPending && !m_exiting)
        loop.exec();
    m_tickLoop = nullptr;
}

void Form1::Timer1_Timer()
{
    Timer1.stop();
    m_state.PegDelayPending = false;
    if (m_tickLoop)
        m_tickLoop->quit();
}

// ---------------------------------------------------------------------------------------------
// Level play

void Form1::StartLevelPlay()
{
    Style->setEnabled(false);
    m_state.TurnNumber = 1;
    m_state.GameWon = false;
    m_state.CurrentRow = 0;
    const QRect r = TwipGeometry(Image2);
    setTwipGeometry(Image2, r.x(), 720, r.width(), r.height());
    EnableBoard();
    SelectMaster();
    m_cursorHole = 0;
    refreshView();
}

void Form1::SelectMaster()
{
    GameState& s = m_state;
    const std::vector<int> secret =
        DrawSecret(s.LastHoleIndex + 1, s.ColorCount, s.DuplicatesAllowed, [this] { return nextRandom(); });
    for (int i = 0; i <= s.LastHoleIndex; ++i)
        s.MasterPieces[std::size_t(i)].Color = secret[std::size_t(i)];
    for (int i = 0; i <= s.LastHoleIndex; ++i) {
        const Piece& master = s.MasterPieces[std::size_t(i)];
        master.Hole->setPicture(PegPictures[master.Color]);
    }
    for (int i = 5; i > s.LastHoleIndex; --i)
        MasterWindow->Image1[std::size_t(i)]->setPicture(XPic);
}

void Form1::GameOver()
{
    LevelFrm::Announce(this, "SORRY!", "GAME OVER");

    // Centred across the board, half its own height below the board's top.
    const QRect board = frameGeometry();
    const QRect own = MasterWindow->frameGeometry();
    MasterWindow->move(board.left() + board.width() / 2 - own.width() / 2, board.top() + own.height() / 2);
    MasterWindow->exec();
    endTournament();
}

void Form1::FinishTournament()
{
    // All 36 levels won: the tournament ends with its final score on the solved board.
    LevelFrm::Announce(this, "CONGRATULATIONS!", "ALL 36 LEVELS SOLVED");
    endTournament();
}

void Form1::endTournament()
{
    MMControl1->setCommand("stop");
    RecordHighScore();
    EndGame->setEnabled(false);
    DisableBoard();
    Style->setEnabled(true);
    refreshView();
    emit gameEnded(m_state.Score, m_state.CurrentLevel);
}

void Form1::RecordHighScore()
{
    m_services.scores->RecordHighScore(m_state.Score, m_state.CurrentLevel, this);
}

void Form1::EnableBoard() { setBoardEnabled(true); }

void Form1::DisableBoard() { setBoardEnabled(false); }

void Form1::setBoardEnabled(bool enabled)
{
    for (QWidget* w : {FieldBox1, FieldBox2, ColorBox1, ColorBox2, DoBox1, DoBox2, static_cast<QWidget*>(Image2)})
        w->setEnabled(enabled);
}

void Form1::ResetTopRowBorders()
{
    for (int j = 0; j < kMaxHoles; ++j) {
        Row[12][std::size_t(j)]->setBorderStyle(ImageControl::Border::Single);
        Check[12][std::size_t(j)]->setBorderStyle(ImageControl::Border::Single);
    }
}

void Form1::EndGame_Click()
{
    if (m_checking) {
        m_deferredCommands.push_back([this] {
            if (EndGame->isEnabled())
                GameOver();
        });
        return;
    }
    GameOver();
}

// ---------------------------------------------------------------------------------------------
// The tournament

void Form1::Tournament_Click()
{
    if (m_checking) {
        m_deferredCommands.push_back([this] { Tournament_Click(); });
        return;
    }
    StartMusic();
    Tournament->setEnabled(true);
    ResetTopRowBorders();
    NextLevel();
    StartLevelPlay();
    Panels[1]->setText("Score: 000");
    EndGame->setEnabled(true);
    Pictures->Unload();
    refreshView();
}

void Form1::UpdateScore()
{
    GameState& s = m_state;
    s.Score = ScoreAfterWin(s.Score, s.CurrentLevel, s.RowLimit, s.TurnNumber);
    Panels[1]->setText(QStringLiteral("score: %1").arg(s.Score));
}

void Form1::runDeferredCommand()
{
    auto commands = std::move(m_deferredCommands);
    m_deferredCommands.clear();
    for (auto& command : commands) {
        if (m_exiting)
            return;
        command();
    }
}

// ---------------------------------------------------------------------------------------------
// Music

void Form1::StartMusic()
{
    m_generator.seedFromClock();
    OpenMusic();
    MMControl1->setCommand("next");
    if (MusicOn->isChecked())
        MMControl1->setCommand("PLAY");
    m_state.Score = 0;
    m_state.CurrentLevel = 0;
}

void Form1::OpenMusic()
{
    MMControl1->setFileName(m_services.programFolder + "/Airy.mid");
    MMControl1->setCommand("open");
}

void Form1::MMControl1_StatusUpdate()
{
    // At the end of the piece, start it again from the beginning.
    if (MMControl1->position() >= MMControl1->length()) {
        MMControl1->setCommand("next");
        MMControl1->setCommand("play");
    }
}

} // namespace tintrix

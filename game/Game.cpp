// SPDX-License-Identifier: GPL-3.0-or-later
#include "Game.h"

#include "LevelCatalogue.h"
#include "Score.h"
#include "Scoring.h"
#include "Secret.h"
#include "TurnFlow.h"

#include <algorithm>
#include <cassert>

namespace tintrix {

Game::Game(std::function<float()> random) : m_random(std::move(random))
{
    assert(m_random);
}

bool Game::running() const
{
    return m_phase == Phase::Playing || m_phase == Phase::Checking || m_phase == Phase::BetweenLevels;
}

std::optional<int> Game::nextLevel() const
{
    if (!NextLevelRow(m_state.CurrentLevel))
        return std::nullopt;
    return m_state.CurrentLevel + 1;
}

// ---------------------------------------------------------------------------------------------
// Levels and the tournament

bool Game::OpenLevel(int catalogueRow)
{
    const LevelSpec* level = FetchLevel(catalogueRow);
    if (!level || (m_phase != Phase::Idle && m_phase != Phase::BetweenLevels))
        return false;

    GameState& s = m_state;
    s.CatalogueRow = catalogueRow;
    s.DuplicatesAllowed = level->DuplicatesAllowed;
    s.ColorCount = level->ColorCount;
    s.RowLimit = level->RowLimit;
    s.LastHoleIndex = level->LastHoleIndex();
    s.CurrentLevel += 1;

    // Every hole starts empty; the secret is drawn when the level's play starts.
    s.GuessPieces = PieceGrid(s.RowLimit + 1, s.LastHoleIndex + 1);
    s.CluePieces = PieceGrid(s.RowLimit + 1, s.LastHoleIndex + 1);
    s.Feedback = Grid<Peg>(s.RowLimit + 1, s.LastHoleIndex + 1);
    s.MasterPieces.assign(std::size_t(s.LastHoleIndex + 1), Piece{});
    s.CurrentRow = 0;
    s.CursorHole = 0;
    // A colour picked on the last level is not carried over: the new one may not have it.
    s.ColorInHand = false;
    return true;
}

bool Game::NewGame()
{
    if (m_phase == Phase::Checking || m_phase == Phase::GameOver)
        return false;
    m_state.Score = 0;
    m_state.CurrentLevel = 0;
    m_state.TournamentStarted = true;
    m_phase = Phase::BetweenLevels;
    changed();
    return true;
}

bool Game::StartLevelPlay()
{
    const std::optional<int> row = NextLevelRow(m_state.CurrentLevel);
    if (m_phase != Phase::BetweenLevels || !row)
        return false;
    OpenLevel(*row);
    startPlay();
    changed();
    return true;
}

void Game::startPlay()
{
    m_state.TurnNumber = 1;
    m_state.GameWon = false;
    m_state.CurrentRow = 0;
    m_state.CursorHole = 0;
    SelectMaster();
    m_phase = Phase::Playing;
}

void Game::SelectMaster()
{
    GameState& s = m_state;
    const std::vector<int> secret = DrawSecret(s.LastHoleIndex + 1, s.ColorCount, s.DuplicatesAllowed, m_random);
    for (std::size_t i = 0; i < secret.size(); ++i)
        s.MasterPieces[i] = Piece{secret[i], false};
}

bool Game::EndGame()
{
    if (m_phase != Phase::Playing && m_phase != Phase::BetweenLevels)
        return false;
    m_phase = Phase::GameOver;
    changed();
    return true;
}

bool Game::CloseGame()
{
    if (m_phase != Phase::GameOver)
        return false;
    m_phase = Phase::Idle;
    changed();
    return true;
}

bool Game::InitBoard()
{
    if (m_phase != Phase::Idle)
        return false;
    GameState& s = m_state;
    s.GuessPieces = PieceGrid(s.GuessPieces.rows(), s.GuessPieces.holes());
    s.CluePieces = PieceGrid(s.CluePieces.rows(), s.CluePieces.holes());
    s.Feedback = Grid<Peg>(s.Feedback.rows(), s.Feedback.holes());
    return true;
}

// ---------------------------------------------------------------------------------------------
// The turn

Input Game::PickColor(int index)
{
    // Entries beyond the level's colours are out of play, even where an edge of one shows.
    if (m_phase != Phase::Playing || index < 0 || index >= m_state.ColorCount)
        return Input::Ignored;
    m_state.ColorInHand = true;
    m_state.SelectedColor = index;
    return Input::Changed;
}

Input Game::ClickHole(int hole)
{
    GameState& s = m_state;
    if (m_phase != Phase::Playing || hole < 0 || hole > s.LastHoleIndex)
        return Input::Ignored;
    Piece& p = s.GuessPieces(s.CurrentRow, hole);
    if (s.ColorInHand) {
        // Only a colour in play is placed, whatever was picked before.
        if (s.SelectedColor < 0 || s.SelectedColor >= s.ColorCount)
            return Input::Ignored;
        p.Color = s.SelectedColor + 1;
        s.ColorInHand = false;
    } else {
        // With nothing in hand the hole takes the colour of the same hole one row up.
        if (s.CurrentRow == 0)
            return Input::Ignored;
        p.Color = s.GuessPieces(s.CurrentRow - 1, hole).Color;
    }
    return changedIf(Input::Changed);
}

Input Game::MovePeg(int from, int to)
{
    GameState& s = m_state;
    if (m_phase != Phase::Playing || from == to || from < 0 || to < 0 || from > s.LastHoleIndex || to > s.LastHoleIndex)
        return Input::Ignored;
    Piece& source = s.GuessPieces(s.CurrentRow, from);
    if (source.Color == 0)
        return Input::Ignored;
    s.GuessPieces(s.CurrentRow, to).Color = source.Color;
    source.Color = 0;
    return changedIf(Input::Changed);
}

Input Game::CopyPeg(int from, int to)
{
    GameState& s = m_state;
    if (m_phase != Phase::Playing || s.CurrentRow == 0 || from < 0 || to < 0 || from > s.LastHoleIndex || to > s.LastHoleIndex)
        return Input::Ignored;
    s.GuessPieces(s.CurrentRow, to).Color = s.GuessPieces(s.CurrentRow - 1, from).Color;
    return changedIf(Input::Changed);
}

Input Game::UndoRow()
{
    GameState& s = m_state;
    if (m_phase != Phase::Playing || s.CurrentRow < 1)
        return Input::Ignored;
    for (Piece& p : s.GuessPieces.row(s.CurrentRow))
        p.Color = 0;
    return changedIf(Input::Changed);
}

Input Game::RedoRow()
{
    GameState& s = m_state;
    if (m_phase != Phase::Playing || s.CurrentRow < 1)
        return Input::Ignored;
    for (int j = 0; j <= s.LastHoleIndex; ++j)
        s.GuessPieces(s.CurrentRow, j).Color = s.GuessPieces(s.CurrentRow - 1, j).Color;
    return changedIf(Input::Changed);
}

Input Game::SetCursor(int hole)
{
    if (m_phase != Phase::Playing || hole < 0 || hole > m_state.LastHoleIndex)
        return Input::Ignored;
    m_state.CursorHole = hole;
    return Input::Changed;
}

CheckStart Game::CheckMatch()
{
    GameState& s = m_state;
    if (m_phase != Phase::Playing)
        return CheckStart::Ignored;
    const auto row = s.GuessPieces.row(s.CurrentRow);
    if (std::any_of(row.begin(), row.end(), [](const Piece& p) { return p.Color == 0; }))
        return CheckStart::Incomplete;

    for (Piece& p : row)
        p.Matched = false;
    const MatchCounts counts = MarkMatches(row, s.MasterPieces);
    // Black pegs first, then grey, filling the feedback holes from the left.
    m_pegsToDrop.assign(std::size_t(counts.exact), Peg::Black);
    m_pegsToDrop.insert(m_pegsToDrop.end(), std::size_t(counts.colourOnly), Peg::Grey);
    m_pegsDropped = 0;
    s.GameWon = counts.exact == s.LastHoleIndex + 1;
    m_phase = Phase::Checking;
    // Kept as checked before the first peg drops: a check cut short comes back finished.
    changed();
    return CheckStart::Started;
}

std::optional<Peg> Game::DropPeg()
{
    if (m_phase != Phase::Checking || m_pegsToDrop.empty())
        return std::nullopt;
    const Peg peg = m_pegsToDrop.front();
    m_pegsToDrop.pop_front();
    const int hole = m_pegsDropped++;
    m_state.CluePieces(m_state.CurrentRow, hole).Matched = true;
    m_state.Feedback(m_state.CurrentRow, hole) = peg;
    return peg;
}

std::optional<CheckEnd> Game::FinishCheck()
{
    GameState& s = m_state;
    if (m_phase != Phase::Checking || !m_pegsToDrop.empty())
        return std::nullopt;

    switch (OutcomeOfCheck(s.TurnNumber, s.RowLimit, s.GameWon)) {
    case CheckEnd::NextRow:
        ++s.CurrentRow;
        ++s.TurnNumber;
        s.CursorHole = 0;
        m_phase = Phase::Playing;
        break;
    case CheckEnd::LevelLost:
        m_phase = Phase::GameOver;
        changed();
        return CheckEnd::LevelLost;
    case CheckEnd::LevelWon:
    case CheckEnd::TournamentWon:
        break;
    }

    coverOlderFeedback();
    for (Piece& master : s.MasterPieces)
        master.Matched = false;
    if (!s.GameWon) {
        changed();
        return CheckEnd::NextRow;
    }

    UpdateScore();
    if (!NextLevelRow(s.CurrentLevel)) {
        // Level 36 was the last: the tournament is won and nothing more opens.
        m_phase = Phase::GameOver;
        changed();
        return CheckEnd::TournamentWon;
    }
    m_phase = Phase::BetweenLevels;
    changed();
    return CheckEnd::LevelWon;
}

void Game::changed()
{
    if (m_changed)
        m_changed();
}

Input Game::changedIf(Input input)
{
    if (input == Input::Changed)
        changed();
    return input;
}

// ---------------------------------------------------------------------------------------------
// Keeping a tournament between runs

std::optional<SavedGame> Game::Saved() const
{
    const GameState& s = m_state;
    SavedGame saved;
    saved.level = s.CurrentLevel;
    saved.score = s.Score;
    switch (m_phase) {
    case Phase::Idle:
        return std::nullopt;
    case Phase::GameOver:
        saved.stage = SavedStage::Over;
        return saved;
    case Phase::BetweenLevels:
        saved.stage = SavedStage::Between;
        return saved;
    case Phase::Playing:
    case Phase::Checking:
        break;
    }
    saved.stage = m_phase == Phase::Checking ? SavedStage::Checking : SavedStage::Playing;
    saved.currentRow = s.CurrentRow;
    saved.secret = secret();
    for (int r = 0; r <= s.CurrentRow; ++r) {
        saved.rows.push_back(ColorsOf(s.GuessPieces.row(r)));
        if (r < s.CurrentRow) {
            const auto pegs = s.Feedback.row(r);
            saved.feedback.emplace_back(pegs.begin(), pegs.end());
        }
    }
    return saved;
}

bool Game::Resume(const SavedGame& saved)
{
    if (m_phase != Phase::Idle || saved.stage == SavedStage::Over || !IsPlayable(saved))
        return false;
    GameState& s = m_state;
    s.TournamentStarted = true;
    s.Score = saved.score;
    s.ColorInHand = false;
    if (saved.stage == SavedStage::Between) {
        // The board of the level just won, empty; the next level opens as after any win.
        if (saved.level > 0) {
            s.CurrentLevel = saved.level - 1;
            OpenLevel(CatalogueRowForLevel(saved.level));
        }
        s.CurrentLevel = saved.level;
        m_phase = Phase::BetweenLevels;
        changed();
        return true;
    }

    s.CurrentLevel = saved.level - 1;
    OpenLevel(CatalogueRowForLevel(saved.level));
    for (std::size_t j = 0; j < saved.secret.size(); ++j)
        s.MasterPieces[j] = Piece{saved.secret[j], false};
    for (int r = 0; r <= saved.currentRow; ++r) {
        for (int j = 0; j <= s.LastHoleIndex; ++j) {
            s.GuessPieces(r, j).Color = saved.rows[std::size_t(r)][std::size_t(j)];
            if (r < saved.currentRow) {
                const Peg peg = saved.feedback[std::size_t(r)][std::size_t(j)];
                s.Feedback(r, j) = peg;
                s.CluePieces(r, j).Matched = peg != Peg::None;
            }
        }
    }
    s.CurrentRow = saved.currentRow;
    s.TurnNumber = saved.currentRow + 1;
    s.GameWon = false;
    s.CursorHole = 0;
    m_phase = Phase::Playing;
    if (saved.stage == SavedStage::Checking) {
        // The check that was under way finishes at once; FinishCheck tells the listener.
        CheckMatch();
        while (DropPeg())
            ;
        FinishCheck();
        return true;
    }
    changed();
    return true;
}

void Game::coverOlderFeedback()
{
    // From level 19 on, older rows show one X per feedback peg instead of its colour.
    const std::optional<int> covered = RowToCover(m_state.CurrentLevel, m_state.CurrentRow);
    if (!covered)
        return;
    for (int j = 0; j <= m_state.LastHoleIndex; ++j)
        if (m_state.CluePieces(*covered, j).Matched)
            m_state.Feedback(*covered, j) = Peg::Hidden;
}

void Game::UpdateScore()
{
    GameState& s = m_state;
    s.Score = ScoreAfterWin(s.Score, s.CurrentLevel, s.RowLimit, s.TurnNumber);
}

} // namespace tintrix

// SPDX-License-Identifier: GPL-3.0-or-later
// The game model: what each state allows, the check and its pegs, levels, score, tournament.
#include "Describe.h"
#include "Game.h"
#include "LevelCatalogue.h"

#include <QTest>

#include <random>

using namespace tintrix;

namespace {

/** A game with a repeatable random source. */
struct Play {
    std::mt19937 engine{7};
    Game game{[this] { return std::uniform_real_distribution<float>(0.0f, 0.99f)(engine); }};

    const GameState& s() const { return game.state(); }
    void fill(const std::vector<int>& colours)
    {
        for (std::size_t j = 0; j < colours.size(); ++j) {
            game.PickColor(colours[j] - 1);
            game.ClickHole(int(j));
        }
    }
    /** Checks the current row and lets every peg drop; returns how the check ended. */
    std::optional<CheckEnd> check()
    {
        if (game.CheckMatch() != CheckStart::Started)
            return std::nullopt;
        while (game.DropPeg()) {
        }
        return game.FinishCheck();
    }
    /** A full row that shares no colour position with the secret. */
    std::vector<int> miss() const
    {
        std::vector<int> g = game.secret();
        for (int& c : g)
            c = c % s().ColorCount + 1;
        return g;
    }
    void startTournament()
    {
        game.OpenLevel(1);
        game.NewGame();
        game.StartLevelPlay();
    }
    /** Wins the current level on row `row` (0-based) and opens the next one. */
    std::optional<CheckEnd> winOnRow(int row)
    {
        for (int r = 0; r < row; ++r) {
            fill(miss());
            check();
        }
        fill(game.secret());
        return check();
    }
};

} // namespace

class GameTest : public QObject {
    Q_OBJECT
private slots:
    // Input that is not allowed in a state is refused and changes nothing.
    void inputOutsidePlayIsRefused()
    {
        Play p;
        p.game.OpenLevel(1);
        QCOMPARE(p.game.phase(), Phase::Idle);
        QCOMPARE(p.game.PickColor(0), Input::Ignored);
        QCOMPARE(p.game.ClickHole(0), Input::Ignored);
        QCOMPARE(p.game.CheckMatch(), CheckStart::Ignored);
        QVERIFY(!p.game.EndGame());
        QVERIFY(!p.game.StartLevelPlay());

        p.game.NewGame();
        QCOMPARE(p.game.phase(), Phase::BetweenLevels);
        QCOMPARE(p.game.PickColor(0), Input::Ignored);
        QVERIFY(!p.game.OpenLevel(0) && !p.game.OpenLevel(19));
        p.game.StartLevelPlay();
        QCOMPARE(p.game.phase(), Phase::Playing);
        QVERIFY(!p.game.OpenLevel(2)); // not in the middle of a level

        // While the pegs drop, the row, the colours and the commands are all locked.
        std::vector<int> guess = p.game.secret();
        std::swap(guess[0], guess[1]);
        p.fill(guess);
        p.game.PickColor(5);
        QCOMPARE(p.game.CheckMatch(), CheckStart::Started);
        QCOMPARE(p.game.phase(), Phase::Checking);
        const GameState before = p.s();
        QCOMPARE(p.game.UndoRow(), Input::Ignored);
        QCOMPARE(p.game.RedoRow(), Input::Ignored);
        QCOMPARE(p.game.ClickHole(1), Input::Ignored);
        QCOMPARE(p.game.PickColor(2), Input::Ignored);
        QCOMPARE(p.game.SetCursor(2), Input::Ignored);
        QCOMPARE(p.game.CheckMatch(), CheckStart::Ignored);
        QVERIFY(!p.game.NewGame() && !p.game.EndGame() && !p.game.InitBoard());
        QVERIFY(!p.game.FinishCheck()); // pegs still to drop
        QCOMPARE(ColorsOf(p.s().GuessPieces.row(0)), ColorsOf(before.GuessPieces.row(0)));
        QCOMPARE(p.s().SelectedColor, before.SelectedColor);
    }

    // The pegs drop black first, then grey, from the left; then the next row is current.
    void checkDropsPegsThenMovesOn()
    {
        Play p;
        p.startTournament();
        std::vector<int> guess = p.game.secret();
        std::swap(guess[0], guess[1]); // two exact, two colour-only
        p.fill(guess);
        p.game.SetCursor(3);
        QCOMPARE(p.game.CheckMatch(), CheckStart::Started);
        QCOMPARE(p.game.pegsToDrop(), 4);
        QCOMPARE(p.s().Feedback(0, 0), Peg::None); // nothing shows before its tick
        std::vector<Peg> dropped;
        while (const auto peg = p.game.DropPeg())
            dropped.push_back(*peg);
        QCOMPARE(dropped, (std::vector<Peg>{Peg::Black, Peg::Black, Peg::Grey, Peg::Grey}));
        QCOMPARE(p.game.FinishCheck(), std::optional(CheckEnd::NextRow));
        QCOMPARE(p.game.phase(), Phase::Playing);
        QCOMPARE(p.s().CurrentRow, 1);
        QCOMPARE(p.s().TurnNumber, 2);
        QCOMPARE(p.s().CursorHole, 0);
        for (const Piece& m : p.s().MasterPieces)
            QVERIFY(!m.Matched);
        QCOMPARE(RowFeedbackText(p.s(), 0), std::string("two black, two grey"));
        QCOMPARE(HoleText(p.s(), 0, 0), ColourName(guess[0]) + " peg");
    }

    // An incomplete row is refused; a guess sharing nothing earns no peg.
    void incompleteAndEmptyChecks()
    {
        Play p;
        p.startTournament();
        p.game.PickColor(0);
        p.game.ClickHole(0);
        QCOMPARE(p.game.CheckMatch(), CheckStart::Incomplete);
        QCOMPARE(p.game.phase(), Phase::Playing);

        std::vector<int> unused;
        const std::vector<int> secret = p.game.secret();
        for (int c = 1; c <= 6; ++c)
            if (std::find(secret.begin(), secret.end(), c) == secret.end())
                unused.push_back(c);
        p.fill({unused[0], unused[1], unused[0], unused[1]});
        QCOMPARE(p.game.CheckMatch(), CheckStart::Started);
        QCOMPARE(p.game.pegsToDrop(), 0);
        QCOMPARE(p.game.FinishCheck(), std::optional(CheckEnd::NextRow));
        QCOMPARE(RowFeedbackText(p.s(), 0), std::string("no pegs"));
    }

    // Placing, copying from the row above, clearing and repeating a row.
    void fillingARow()
    {
        Play p;
        p.startTournament();
        QCOMPARE(p.game.ClickHole(0), Input::Ignored); // nothing in hand, no row above
        QCOMPARE(p.game.UndoRow(), Input::Ignored);   // never on the top row
        QCOMPARE(p.game.RedoRow(), Input::Ignored);
        QCOMPARE(p.game.PickColor(6), Input::Ignored); // colour 7 is not in play on level 1
        p.game.PickColor(1);
        p.game.PickColor(2); // the second pick wins
        p.game.ClickHole(3);
        QCOMPARE(p.s().GuessPieces(0, 3).Color, 3);
        QVERIFY(!p.s().ColorInHand);
        QCOMPARE(p.game.ClickHole(4), Input::Ignored); // beyond the level's holes
        const std::vector<int> first = p.miss();
        p.fill(first);
        p.check();

        p.game.ClickHole(2); // nothing in hand: copies the hole above
        QCOMPARE(p.s().GuessPieces(1, 2).Color, first[2]);
        QCOMPARE(p.game.RedoRow(), Input::Changed);
        QCOMPARE(ColorsOf(p.s().GuessPieces.row(1)), first);
        p.game.PickColor(0);
        QCOMPARE(p.game.UndoRow(), Input::Changed);
        QCOMPARE(ColorsOf(p.s().GuessPieces.row(1)), std::vector<int>(4, 0));
        QVERIFY(p.s().ColorInHand); // undo leaves the colour in hand
    }

    // The level's last row: a miss loses, a match wins.
    void lastRowLosesOrWins()
    {
        Play lose;
        lose.startTournament();
        for (int row = 0; row < 7; ++row) {
            lose.fill(lose.miss());
            QCOMPARE(lose.check(), std::optional(CheckEnd::NextRow));
        }
        lose.fill(lose.miss());
        QCOMPARE(lose.check(), std::optional(CheckEnd::LevelLost));
        QCOMPARE(lose.game.phase(), Phase::GameOver);
        QVERIFY(!lose.game.NewGame()); // the ending is shown first
        QVERIFY(lose.game.CloseGame());
        QCOMPARE(lose.game.phase(), Phase::Idle);
        QVERIFY(!lose.game.running());

        Play win;
        win.startTournament();
        QCOMPARE(win.winOnRow(7), std::optional(CheckEnd::LevelWon));
        QCOMPARE(win.s().Score, 250);
    }

    // Scores of won levels, and the move to the next level.
    void winsScoreAndAdvance()
    {
        Play p;
        p.startTournament();
        QCOMPARE(p.winOnRow(0), std::optional(CheckEnd::LevelWon));
        QCOMPARE(p.s().Score, 425);
        QCOMPARE(p.game.phase(), Phase::BetweenLevels);
        QCOMPARE(p.game.nextLevel(), std::optional(2));
        QVERIFY(p.s().GameWon);
        QVERIFY(p.game.StartLevelPlay());
        QCOMPARE(p.s().CurrentLevel, 2);
        QCOMPARE(p.s().ColorCount, 7);
        QCOMPARE(p.s().CurrentRow, 0);
        QVERIFY(!p.s().GameWon);
        for (int c : p.game.secret())
            QVERIFY(c >= 1 && c <= 7);
    }

    // Given up between levels: the level just won and its secret stay.
    void endGameBetweenLevelsKeepsTheWonLevel()
    {
        Play p;
        p.startTournament();
        p.winOnRow(0);
        const std::vector<int> secret = p.game.secret();
        QVERIFY(p.game.EndGame());
        QCOMPARE(p.s().CurrentLevel, 1);
        QCOMPARE(p.s().Score, 425);
        QCOMPARE(p.game.secret(), secret);
        QVERIFY(!p.game.StartLevelPlay());
    }

    // From level 19 on, only the latest checked row keeps the kind of its pegs.
    void laterLevelsHideOlderFeedback()
    {
        Play p;
        p.startTournament();
        for (int level = 1; level <= 18; ++level) {
            p.winOnRow(0);
            p.game.StartLevelPlay();
        }
        QCOMPARE(p.s().CurrentLevel, 19);
        QCOMPARE(p.s().CatalogueRow, 1);
        std::vector<int> guess = p.game.secret();
        std::swap(guess[0], guess[1]);
        p.fill(guess);
        p.check();
        QCOMPARE(p.s().Feedback(0, 0), Peg::Black); // row 0 is still the latest
        p.fill(guess);
        p.check();
        for (int j = 0; j < 4; ++j)
            QCOMPARE(p.s().Feedback(0, j), Peg::Hidden);
        QCOMPARE(p.s().Feedback(1, 0), Peg::Black);
        QCOMPARE(RowFeedbackText(p.s(), 0), std::string("four pegs, feedback hidden"));
    }

    // All 36 levels: the tournament is won and nothing more opens.
    void wholeTournament()
    {
        Play p;
        p.startTournament();
        for (int level = 1; level <= 35; ++level) {
            QCOMPARE(p.winOnRow(0), std::optional(CheckEnd::LevelWon));
            QVERIFY(p.game.StartLevelPlay());
        }
        QCOMPARE(p.s().CurrentLevel, 36);
        QCOMPARE(p.winOnRow(0), std::optional(CheckEnd::TournamentWon));
        QCOMPARE(p.game.phase(), Phase::GameOver);
        QVERIFY(!p.game.nextLevel());
        QVERIFY(p.s().Score > 300000);
    }

    // New Game in the middle of a level starts over at level 1 with no score.
    void newGameRestarts()
    {
        Play p;
        p.startTournament();
        p.winOnRow(2);
        p.game.StartLevelPlay();
        QVERIFY(p.game.NewGame());
        QCOMPARE(p.s().Score, 0);
        QVERIFY(p.game.StartLevelPlay());
        QCOMPARE(p.s().CurrentLevel, 1);
        QCOMPARE(p.s().CatalogueRow, 1);
    }

    // The secret in words, for the reveal window.
    void secretInWords()
    {
        QCOMPARE(ColoursText({1, 2, 4, 5}), std::string("pink, blue, green, orange"));
        QCOMPARE(ColourName(8), std::string("red"));
    }
};

QTEST_GUILESS_MAIN(GameTest)
#include "test_game.moc"

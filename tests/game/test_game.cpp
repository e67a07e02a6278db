// SPDX-License-Identifier: GPL-3.0-or-later
// The rules and the game model: scoring against a reference, secrets, the score, the turn flow,
// and a game played through the model: refused input, checks, filling rows, wins and losses.
#include "Describe.h"
#include "GamePlay.h"
#include "Game.h"
#include "LevelCatalogue.h"
#include "Score.h"
#include "Scoring.h"
#include "Secret.h"
#include "TurnFlow.h"

#include <QTest>

#include <cmath>
#include <limits>
#include <map>
#include <set>

using namespace tintrix;

namespace {

// A reference written the other way round: per colour, the smaller count on either side.
MatchCounts referenceCounts(const Ints& guess, const Ints& secret)
{
    int exact = 0, common = 0;
    std::map<int, int> inGuess, inSecret;
    for (std::size_t i = 0; i < guess.size(); ++i) {
        exact += guess[i] == secret[i];
        ++inGuess[guess[i]];
        ++inSecret[secret[i]];
    }
    for (const auto& [colour, n] : inGuess)
        common += std::min(n, inSecret[colour]);
    return {exact, common - exact};
}

bool sameCounts(MatchCounts a, MatchCounts b) { return a.exact == b.exact && a.colourOnly == b.colourOnly; }

} // namespace

class GameTest : public QObject {
    Q_OBJECT
private slots:
    // The worked examples: black pegs first, then grey, each peg counted once.
    void scoringExamples_data()
    {
        QTest::addColumn<Ints>("secret");
        QTest::addColumn<Ints>("guess");
        QTest::addColumn<int>("exact");
        QTest::addColumn<int>("colourOnly");
        QTest::newRow("repeated guess colour") << Ints{1, 1, 2, 3} << Ints{1, 2, 1, 1} << 1 << 2;
        QTest::newRow("pairs") << Ints{2, 2, 5, 5} << Ints{5, 2, 2, 6} << 1 << 2;
        QTest::newRow("reversed") << Ints{1, 2, 3, 4} << Ints{4, 3, 2, 1} << 0 << 4;
        QTest::newRow("one colour everywhere") << Ints{1, 2, 3, 4} << Ints{1, 1, 1, 1} << 1 << 0;
        QTest::newRow("no colour in common") << Ints{1, 2, 3, 4} << Ints{5, 6, 5, 6} << 0 << 0;
        QTest::newRow("six exact") << Ints{8, 7, 6, 5, 4, 3} << Ints{8, 7, 6, 5, 4, 3} << 6 << 0;
    }
    void scoringExamples()
    {
        QFETCH(Ints, secret);
        QFETCH(Ints, guess);
        QFETCH(int, exact);
        QFETCH(int, colourOnly);
        QVERIFY(sameCounts(CountMatches(guess, secret), {exact, colourOnly}));
    }

    // Every secret and guess of a 4-hole, 6-colour game agree with the reference.
    void countMatchesAgreesWithTheReference()
    {
        Ints g(4), s(4);
        const auto decode = [](int n, Ints& out) {
            for (int& v : out) {
                v = n % 6 + 1;
                n /= 6;
            }
        };
        for (int a = 0; a < 1296; ++a) {
            decode(a, s);
            for (int b = 0; b < 1296; ++b) {
                decode(b, g);
                if (!sameCounts(CountMatches(g, s), referenceCounts(g, s)))
                    QFAIL(qPrintable(QStringLiteral("secret %1 guess %2").arg(a).arg(b)));
            }
        }
    }

    // Colours drawn from r in [0, 1) cover the whole range and never go past it, even just
    // below 1; the generator never returns 1.
    void drawnColoursStayInRange()
    {
        for (int colours : {6, 7, 8}) {
            QCOMPARE(DrawColour(0.0f, colours), 1);
            QCOMPARE(DrawColour(std::nextafter(1.0f, 0.0f), colours), colours); // the largest r below 1
        }
        RandomGenerator gen(12345);
        for (int i = 0; i < 1000000; ++i) {
            const float r = gen.next();
            QVERIFY(r >= 0.0f && r < 1.0f);
        }
    }

    // Secrets follow their level's rule on every catalogue row: the holes, every colour in
    // play reachable, repeats exactly where the level allows them.
    void secretsFollowTheLevelRules()
    {
        RandomGenerator gen(7);
        for (const LevelSpec& level : kLevelCatalogue) {
            bool sawRepeat = false;
            std::set<int> seen;
            for (int n = 0; n < 2000; ++n) {
                const Ints secret = DrawSecret(level.Holes, level.ColorCount, level.DuplicatesAllowed, [&gen] { return gen.next(); });
                QCOMPARE(int(secret.size()), level.Holes);
                seen.insert(secret.begin(), secret.end());
                const bool repeat = std::set<int>(secret.begin(), secret.end()).size() != secret.size();
                QVERIFY(level.DuplicatesAllowed || !repeat);
                sawRepeat |= repeat;
            }
            QCOMPARE(seen, [&] { std::set<int> all; for (int c = 1; c <= level.ColorCount; ++c) all.insert(c); return all; }());
            QCOMPARE(sawRepeat, level.DuplicatesAllowed);
        }
        // Without duplicates a repeated colour is drawn again in place; earlier holes stay.
        const std::vector<float> r{0.0f, 0.0f, 0.2f, 0.2f, 0.99f, 0.5f};
        std::size_t next = 0;
        QCOMPARE(DrawSecret(4, 6, false, [&] { return r[next++]; }), (Ints{1, 2, 6, 4}));
    }

    // The score of a won level, from the worked examples and the boundaries.
    void scoreAfterWin_data()
    {
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("rowLimit");
        QTest::addColumn<int>("turn");
        QTest::addColumn<int>("expected");
        const int max = std::numeric_limits<int>::max();
        QTest::newRow("level 1, first row") << 0 << 1 << 7 << 1 << 425;
        QTest::newRow("level 1, last row") << 0 << 1 << 7 << 8 << 250;
        QTest::newRow("level 16, third row") << 0 << 16 << 11 << 3 << 7600;
        QTest::newRow("adds to the score") << 425 << 2 << 7 << 8 << 925;
        QTest::newRow("beyond 16 bits") << 32000 << 16 << 11 << 12 << 36000;
        QTest::newRow("one below the 32-bit limit") << max - 9001 << 36 << 11 << 12 << max - 1;
        QTest::newRow("stops at the 32-bit limit") << max - 10 << 36 << 11 << 1 << max;
    }
    void scoreAfterWin()
    {
        QFETCH(int, score);
        QFETCH(int, level);
        QFETCH(int, rowLimit);
        QFETCH(int, turn);
        QTEST(ScoreAfterWin(score, level, rowLimit, turn), "expected");
    }

    // The turn flow: the catalogue is walked twice and nothing follows level 36; from level 19
    // on the row two above is covered.
    void turnFlow()
    {
        QCOMPARE(NextLevelRow(0), std::optional<int>(1));
        QCOMPARE(NextLevelRow(18), std::optional<int>(1));
        QCOMPARE(NextLevelRow(36), std::nullopt);
        QCOMPARE(NextLevelRow(-1), std::nullopt);
        QVERIFY(FetchLevel(0) == nullptr && FetchLevel(19) == nullptr && FetchLevel(18) == &kLevelCatalogue[17]);
        QCOMPARE(RowToCover(18, 5), std::nullopt);
        QCOMPARE(RowToCover(19, 1), std::nullopt);
        QCOMPARE(RowToCover(19, 2), std::optional<int>(0));
        QCOMPARE(RowToCover(36, 11), std::optional<int>(9));
    }

    // Input that is not allowed in a state is refused and changes nothing; while the pegs
    // drop, the row, the colours and the commands are all locked.
    void inputOutsidePlayIsRefused()
    {
        Play p;
        p.game.OpenLevel(1);
        QCOMPARE(p.game.phase(), Phase::Idle);
        QVERIFY(!p.game.running());
        QCOMPARE(p.game.PickColor(0), Input::Ignored);
        QCOMPARE(p.game.ClickHole(0), Input::Ignored);
        QCOMPARE(p.game.CheckMatch(), CheckStart::Ignored);
        QVERIFY(!p.game.EndGame() && !p.game.StartLevelPlay());
        p.game.NewGame();
        QCOMPARE(p.game.phase(), Phase::BetweenLevels);
        QVERIFY(p.game.running());
        QCOMPARE(p.game.PickColor(0), Input::Ignored);
        QVERIFY(!p.game.OpenLevel(0) && !p.game.OpenLevel(19));
        p.game.StartLevelPlay();
        QVERIFY(!p.game.OpenLevel(2)); // not in the middle of a level
        Ints guess = p.game.secret();
        std::swap(guess[0], guess[1]);
        p.fill(guess);
        p.game.PickColor(5);
        QCOMPARE(p.game.CheckMatch(), CheckStart::Started);
        QVERIFY(p.game.running());
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

    // The pegs drop black first, then grey, one a tick; then the next row is current with the
    // cursor back at the left and the secret's marks cleared. An incomplete row is refused.
    void checkDropsPegsThenMovesOn()
    {
        Play p;
        p.startTournament();
        p.game.PickColor(0);
        p.game.ClickHole(0);
        QCOMPARE(p.game.CheckMatch(), CheckStart::Incomplete);
        Ints guess = p.game.secret();
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
        QCOMPARE(p.s().Feedback(0, 3), Peg::Grey);
        for (const Piece& m : p.s().MasterPieces)
            QVERIFY(!m.Matched);
        QCOMPARE(RowFeedbackText(p.s(), 0), std::string("two black, two grey"));
        QCOMPARE(HoleText(p.s(), 0, 0), ColourName(guess[0]) + " peg");
        p.fill(p.miss()); // a guess sharing nothing earns no peg
        QCOMPARE(p.game.CheckMatch(), CheckStart::Started);
        QCOMPARE(p.game.pegsToDrop(), 0);
        QCOMPARE(p.game.FinishCheck(), std::optional(CheckEnd::NextRow));
        QCOMPARE(RowFeedbackText(p.s(), 1), std::string("no pegs"));
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
        const Ints first = {p.unused()[0], p.unused()[1], p.unused()[0], p.unused()[1]};
        p.fill(first);
        p.check();
        p.game.ClickHole(2); // nothing in hand: copies the hole above
        QCOMPARE(p.s().GuessPieces(1, 2).Color, first[2]);
        QCOMPARE(p.game.RedoRow(), Input::Changed);
        QCOMPARE(ColorsOf(p.s().GuessPieces.row(1)), first);
        p.game.PickColor(0);
        QCOMPARE(p.game.UndoRow(), Input::Changed);
        QCOMPARE(ColorsOf(p.s().GuessPieces.row(1)), Ints(4, 0));
        QVERIFY(p.s().ColorInHand); // undo leaves the colour in hand
        // Dragged pegs: moved within the row (the hole left empty), copied from the row above,
        // from and to every hole of the level, and nowhere else.
        p.game.ClickHole(1); // the colour in hand, 1
        QCOMPARE(p.game.MovePeg(1, 0), Input::Changed);
        QCOMPARE(ColorsOf(p.s().GuessPieces.row(1)), (Ints{1, 0, 0, 0}));
        QCOMPARE(p.game.MovePeg(1, 2), Input::Ignored); // an empty hole
        QCOMPARE(p.game.MovePeg(0, 0), Input::Ignored);
        QCOMPARE(p.game.MovePeg(0, 4), Input::Ignored);
        QCOMPARE(p.game.CopyPeg(3, 3), Input::Changed);
        QCOMPARE(p.s().GuessPieces(1, 3).Color, first[3]);
        QCOMPARE(p.game.CopyPeg(4, 0), Input::Ignored);
        QCOMPARE(p.game.CopyPeg(0, -1), Input::Ignored);
        QCOMPARE(p.s().GuessPieces(0, 3).Color, first[3]); // the checked row never changes
    }

    // The level's last row: a miss loses and the ending is shown before anything new; a
    // match on it wins with the smallest score.
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
        QVERIFY(!lose.game.NewGame());
        QVERIFY(lose.game.CloseGame());
        QCOMPARE(lose.game.phase(), Phase::Idle);
        Play win;
        win.startTournament();
        QCOMPARE(win.winOnRow(7), std::optional(CheckEnd::LevelWon));
        QCOMPARE(win.s().Score, 250);
    }

    // A won level scores and opens the next; given up between levels, the level just won
    // and its secret stay; New Game starts over at level 1 with no score and an empty hand (a
    // colour picked on a level with more colours, dark blue, once went into a hole of level 1).
    void winsScoreAndAdvance()
    {
        Play p;
        p.startTournament();
        QCOMPARE(p.s().Score, 0);
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
        QCOMPARE(p.s().GuessPieces.rows(), 8);
        QVERIFY(p.s().GuessPieces.contains(7, 3) && !p.s().GuessPieces.contains(8, 0) && !p.s().GuessPieces.contains(0, 4));
        QCOMPARE(p.s().Feedback.holes(), 4);
        p.winOnRow(2);
        const Ints secret = p.game.secret();
        QVERIFY(p.game.EndGame());
        QCOMPARE(p.s().CurrentLevel, 2);
        QCOMPARE(p.s().Score, 425 + 750);
        QCOMPARE(p.game.secret(), secret);
        QVERIFY(!p.game.StartLevelPlay());
        Play again;
        again.startTournament();
        again.winOnRow(2);
        again.game.StartLevelPlay();
        QCOMPARE(again.game.PickColor(6), Input::Changed); // dark blue, in play on level 2
        QVERIFY(again.game.NewGame());
        QCOMPARE(again.s().Score, 0);
        QVERIFY(again.game.StartLevelPlay());
        QCOMPARE(again.s().CurrentLevel, 1);
        QCOMPARE(again.s().CatalogueRow, 1);
        QVERIFY(!again.s().ColorInHand);
        QCOMPARE(again.game.ClickHole(0), Input::Ignored);
    }
};

QTEST_GUILESS_MAIN(GameTest)
#include "test_game.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// Playing: the check button, feedback pegs, winning, losing, the tournament and its score.
#include "BoardFixture.h"
#include "LevelCatalogue.h"
#include "Score.h"
#include "Scoring.h"

#include <QMenu>
#include <QSignalSpy>

using namespace tintrix;
using namespace tintrix::test;

namespace {
int checkTop(Form1& f) { return f.TwipGeometry(f.Image2).y(); }
} // namespace

class TurnFlowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { PrepareTestEnvironment(); }
    void init() { ClearSettings(); }

    // New Game draws a secret and opens level 1 behind its banner.
    void newGameStartsTheTournament()
    {
        BoardFixture fx;
        fx.newGame();
        QCOMPARE(fx.log.seen, QStringList{"banner:LEVEL 1/4 SPACES, 6 COLORS, NO DUPLICATES"});
        QCOMPARE(fx.s().CurrentLevel, 1);
        QCOMPARE(fx.f().Panels[1]->text(), QString("Score: 000"));
        QVERIFY(fx.f().EndGame->isEnabled());
        QVERIFY(!fx.f().Style->isEnabled());
        QVERIFY(fx.f().FieldBox1->isEnabled() && fx.f().Image2->isEnabled());
        QCOMPARE(checkTop(fx.f()), 720);
        for (int c : fx.secret())
            QVERIFY(c >= 1 && c <= 6);
        // The reveal window shows the secret and marks the two holes the level does not use.
        const auto& reveal = fx.f().MasterWindow->Image1;
        for (int i = 0; i < 4; ++i)
            QVERIFY(BoardFixture::samePicture(reveal[std::size_t(i)]->picture(), fx.f().PegPictures[fx.secret()[std::size_t(i)]]));
        QVERIFY(BoardFixture::samePicture(reveal[4]->picture(), fx.f().XPic));
        QVERIFY(BoardFixture::samePicture(reveal[5]->picture(), fx.f().XPic));
    }

    // An incomplete row is refused with a message and changes nothing.
    void incompleteRowIsRefused()
    {
        BoardFixture fx;
        fx.f().Image2_Click(); // no game yet: ignored silently
        QVERIFY(fx.log.seen.isEmpty());
        fx.newGame();
        fx.place(0, 1);
        fx.place(1, 2);
        fx.place(3, 3);
        fx.check();
        QCOMPARE(fx.log.seen.last(), QString("message:First fill the current row."));
        QCOMPARE(fx.s().CurrentRow, 0);
        QCOMPARE(fx.s().TurnNumber, 1);
        QCOMPARE(checkTop(fx.f()), 720);
        QVERIFY(fx.f().Image2->isEnabled());
    }

    // A miss shows its feedback, moves the button down and clears the secret's marks.
    void missMovesToTheNextRow()
    {
        BoardFixture fx;
        fx.newGame();
        std::vector<int> guess = fx.secret();
        std::swap(guess[0], guess[1]); // two exact, two colour-only
        fx.fill(guess);
        fx.audio.effects.clear();
        fx.check();
        QCOMPARE(checkTop(fx.f()), 1080);
        QCOMPARE(fx.s().CurrentRow, 1);
        QCOMPARE(fx.s().TurnNumber, 2);
        for (const Piece& p : fx.s().MasterPieces)
            QVERIFY(!p.Matched);
        const Form1& f = fx.f();
        QVERIFY(BoardFixture::samePicture(fx.clueHole(0, 0)->picture(), f.BlackPic));
        QVERIFY(BoardFixture::samePicture(fx.clueHole(0, 1)->picture(), f.BlackPic));
        QVERIFY(BoardFixture::samePicture(fx.clueHole(0, 2)->picture(), f.GreyPic));
        QVERIFY(BoardFixture::samePicture(fx.clueHole(0, 3)->picture(), f.GreyPic));
        QCOMPARE(fx.clueHole(0, 0)->specialEffect(), ImageControl::Effect::Raised);
        for (int j = 0; j < 4; ++j)
            QVERIFY(fx.s().CluePieces(0, j).Matched);
        QCOMPARE(fx.audio.effects, QStringList(4, "DropPeg.wav"));
    }

    // A guess sharing nothing with the secret: no peg, no sound, no wait.
    void noMatchIsSilent()
    {
        BoardFixture fx;
        fx.newGame();
        // Six colours, four distinct in the secret: the two others fill the row.
        std::vector<int> unused;
        const std::vector<int> secret = fx.secret();
        for (int c = 1; c <= 6; ++c)
            if (std::find(secret.begin(), secret.end(), c) == secret.end())
                unused.push_back(c);
        fx.fill({unused[0], unused[1], unused[0], unused[1]});
        fx.audio.effects.clear();
        fx.check();
        QVERIFY(fx.audio.effects.isEmpty());
        for (int j = 0; j < 4; ++j)
            QVERIFY(!fx.s().CluePieces(0, j).Matched);
    }

    // Eight misses on an eight-row level end the game: banner, reveal, music stopped, scores.
    void lastRowMissEndsTheGame()
    {
        BoardFixture fx;
        QSignalSpy ended(&fx.f(), &Form1::gameEnded);
        fx.newGame();
        for (int row = 0; row < 8; ++row)
            fx.missRow();
        QCOMPARE(fx.log.seen.mid(1), (QStringList{"banner:SORRY!/GAME OVER", "reveal"})); // score 0: no name asked
        QCOMPARE(fx.audio.fakeMidi.calls.last(), QString("stop"));
        QVERIFY(!fx.f().EndGame->isEnabled());
        QVERIFY(fx.f().Style->isEnabled());
        QVERIFY(!fx.f().FieldBox1->isEnabled() && !fx.f().ColorBox1->isEnabled() && !fx.f().Image2->isEnabled());
        QCOMPARE(ended.count(), 1);
        QCOMPARE(fx.s().Score, 0);
    }

    // A match on the last row wins; a first-row win scores 425.
    void winsAndTheirScores()
    {
        BoardFixture fx;
        fx.newGame();
        fx.win();
        QCOMPARE(fx.s().Score, 425);
        QCOMPARE(fx.f().Panels[1]->text(), QString("score: 425"));
        QCOMPARE(fx.log.seen.last(), QString("banner:LEVEL 2/4 SPACES, 7 COLORS, NO DUPLICATES"));
        QCOMPARE(fx.s().CurrentLevel, 2);
        QCOMPARE(fx.s().CurrentRow, 0);
        QCOMPARE(checkTop(fx.f()), 720);
        QVERIFY(fx.f().EndGame->isEnabled());
        QVERIFY(!fx.f().Style->isEnabled());

        BoardFixture last;
        last.newGame();
        for (int row = 0; row < 7; ++row)
            last.missRow();
        last.audio.effects.clear();
        last.win();
        QCOMPARE(last.s().Score, 250);
        QCOMPARE(last.s().CurrentLevel, 2);
        QCOMPARE(last.audio.effects, (QStringList{"Change.wav", "Change.wav", "Change.wav", "Change.wav", "Change.wav",
                                                  "Change.wav", "Change.wav", "Change.wav", "DropPeg.wav", "DropPeg.wav",
                                                  "DropPeg.wav", "DropPeg.wav", "Gling.wav"}));
    }

    // Level 16 won on its third row adds 7600; level 18 leads to 19 on catalogue row 1, where
    // older rows show an X per feedback peg.
    void laterLevels()
    {
        BoardFixture fx;
        fx.newGame();
        for (int level = 1; level <= 15; ++level)
            fx.win();
        QCOMPARE(fx.s().CurrentLevel, 16);
        const int before = fx.s().Score;
        fx.missRow();
        fx.missRow();
        fx.win();
        QCOMPARE(fx.s().Score - before, 7600);
        fx.win();
        fx.win();
        QCOMPARE(fx.log.seen.last(), QString("banner:LEVEL 19/4 SPACES, 6 COLORS, NO DUPLICATES"));
        QCOMPARE(fx.s().CurrentLevel, 19);
        QCOMPARE(fx.s().LastHoleIndex, 3);

        // Row 0: reversed secret gives four grey pegs; after the miss on row 0 nothing is covered.
        const std::vector<int> secret = fx.secret();
            std::vector<int> reversed(secret.rbegin(), secret.rend());
        fx.fill(reversed);
        fx.check();
        const MatchCounts first = CountMatches(reversed, fx.secret());
        QVERIFY(!BoardFixture::samePicture(fx.clueHole(0, 0)->picture(), fx.f().XPic));
        fx.missRow();
        for (int j = 0; j < 4; ++j) {
            const bool peg = j < first.exact + first.colourOnly;
            QCOMPARE(BoardFixture::samePicture(fx.clueHole(0, j)->picture(), fx.f().XPic), peg);
        }
        QVERIFY(!BoardFixture::samePicture(fx.clueHole(1, 0)->picture(), fx.f().XPic));
    }

    // New Game during a game restarts at level 1 without a question.
    void newGameMidGameRestarts()
    {
        BoardFixture fx;
        fx.newGame();
        fx.win();
        fx.missRow();
        fx.newGame();
        QCOMPARE(fx.s().CurrentLevel, 1);
        QCOMPARE(fx.s().Score, 0);
        QCOMPARE(fx.s().CurrentRow, 0);
        QCOMPARE(fx.f().Panels[1]->text(), QString("Score: 000"));
        for (const QString& seen : fx.log.seen)
            QVERIFY(seen.startsWith("banner:LEVEL"));
        for (int j = 0; j < 4; ++j)
            QCOMPARE(fx.s().GuessPieces(0, j).Color, 0);
    }

    // End Game is a loss on the spot, offering the score so far with the level being played.
    void endGameOffersTheScoreSoFar()
    {
        BoardFixture fx;
        QSignalSpy ended(&fx.f(), &Form1::gameEnded);
        fx.newGame();
        for (int level = 1; level <= 6; ++level)
            fx.win();
        fx.f().EndGame->trigger();
        QCOMPARE(ended.count(), 1);
        QCOMPARE(ended.first().at(1).toInt(), 7);
        QCOMPARE(ended.first().at(0).toInt(), fx.s().Score);
        QVERIFY(fx.s().Score > 0);
        QCOMPARE(fx.log.seen.mid(fx.log.seen.size() - 3), (QStringList{"banner:SORRY!/GAME OVER", "reveal", "name"}));
        QVERIFY(fx.log.musicStoppedBeforeName);
    }

    // All 36 levels: the tournament ends as won, with its final score and no new secret drawn.
    void wholeTournament()
    {
        BoardFixture fx;
        QSignalSpy ended(&fx.f(), &Form1::gameEnded);
        fx.newGame();
        std::int32_t expected = 0;
        for (int level = 1; level <= 36; ++level) {
            QCOMPARE(fx.s().CurrentLevel, level);
            const LevelSpec& spec = *FetchLevel(CatalogueRowForLevel(level));
            QCOMPARE(fx.s().LastHoleIndex, spec.Holes - 1);
            expected = ScoreAfterWin(expected, level, spec.RowLimit, 1);
            fx.win();
            QCOMPARE(fx.s().Score, expected);
        }
        QCOMPARE(ended.count(), 1);
        QCOMPARE(ended.first().at(0).toInt(), expected);
        QCOMPARE(ended.first().at(1).toInt(), 36);
        QCOMPARE(fx.log.seen.mid(fx.log.seen.size() - 2), (QStringList{"banner:CONGRATULATIONS!/ALL 36 LEVELS SOLVED", "name"}));
        QVERIFY(!fx.f().EndGame->isEnabled());
        QVERIFY(fx.f().Style->isEnabled());
        QVERIFY(!fx.f().Image2->isEnabled());
        QCOMPARE(fx.audio.fakeMidi.calls.last(), QString("stop"));
        // The solved row stays on the board; no new play starts on it.
        for (int j = 0; j < 6; ++j)
            QCOMPARE(fx.s().GuessPieces(0, j).Color, fx.secret()[std::size_t(j)]);
    }

    // New Game or End Game chosen while the pegs drop waits for the check to finish.
    void commandsDuringACheckWait()
    {
        for (const bool endGame : {false, true}) {
            BoardFixture fx;
            fx.newGame();
            fx.win();
            const std::vector<int> secret = fx.secret();
            std::vector<int> reversed(secret.rbegin(), secret.rend());
            fx.fill(reversed);
            const MatchCounts counts = CountMatches(reversed, fx.secret());
            bool sawChecking = false;
            QTimer::singleShot(0, &fx.f(), [&] {
                sawChecking = fx.f().checking();
                (endGame ? fx.f().EndGame : fx.f().Tournament)->trigger();
            });
            fx.check();
            QVERIFY(sawChecking);
            if (endGame) {
                // The check ended first (row advanced, pegs shown), then the game.
                QCOMPARE(fx.s().CurrentRow, 1);
                QCOMPARE(fx.s().CurrentLevel, 2);
                QVERIFY(fx.log.seen.contains("banner:SORRY!/GAME OVER"));
                QVERIFY(!fx.f().EndGame->isEnabled());
            } else {
                QCOMPARE(fx.s().CurrentLevel, 1);
                QCOMPARE(fx.s().Score, 0);
                QCOMPARE(fx.s().CurrentRow, 0);
            }
            int pegs = 0;
            for (int j = 0; j < 4; ++j)
                pegs += !BoardFixture::samePicture(fx.clueHole(0, j)->picture(), fx.f().StylePicture);
            QCOMPARE(pegs, endGame ? counts.exact + counts.colourOnly : 0); // New Game cleared the board after
        }
    }

    // Leaving during a check ends the program at once: no further pegs.
    void exitDuringACheckEndsAtOnce()
    {
        BoardFixture fx;
        fx.log.exitAnswerYes = true;
        QSignalSpy exit(&fx.f(), &Form1::exitConfirmed);
        fx.newGame();
        fx.fill(fx.secret());
        QTimer::singleShot(0, &fx.f(), [&] { fx.f().ExitGame->trigger(); });
        fx.check();
        QCOMPARE(exit.count(), 1);
        QVERIFY(fx.f().exiting());
        QVERIFY(!fx.f().isVisible());
        QVERIFY(!fx.s().GameWon);
        QVERIFY(!fx.audio.effects.contains("Gling.wav"));
    }
};

QTEST_MAIN(TurnFlowTest)
#include "test_turn_flow.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// A tournament kept between runs: what the model keeps and when it says so, resuming it with
// nothing gained or lost, and kept files that must not be trusted.
#include "GamePlay.h"
#include "SavedGame.h"

#include <QTest>

#include <zlib.h>

using namespace tintrix;

Q_DECLARE_METATYPE(SavedGame)

namespace {

enum class Moment { NewGame, PegPlaced, RowsChecked, LevelWon, CoveredRows, CheckingMiss, CheckingWin, CheckingLoss, CheckingCovered };

/** Plays a tournament up to the moment; leaves a check under way where the moment says so. */
void PlayTo(Play& p, Moment moment)
{
    p.game.OpenLevel(1);
    p.game.NewGame();
    if (moment == Moment::NewGame)
        return;
    p.game.StartLevelPlay();
    const bool covered = moment == Moment::CoveredRows || moment == Moment::CheckingCovered;
    for (int level = 1; covered && level < 20; ++level) {
        p.winOnRow(0);
        p.game.StartLevelPlay();
    }
    auto startCheck = [&](const Ints& row) {
        p.fill(row);
        QCOMPARE(p.game.CheckMatch(), CheckStart::Started);
        p.game.DropPeg(); // one peg down, the rest still to drop
    };
    switch (moment) {
    case Moment::PegPlaced:
        p.fill({p.game.secret()[2]});
        return;
    case Moment::LevelWon:
        p.winOnRow(1);
        return;
    case Moment::CheckingWin:
        p.fill(p.miss()), p.check();
        return startCheck(p.game.secret());
    case Moment::CheckingLoss:
        while (p.s().CurrentRow < p.s().RowLimit)
            p.fill(p.miss()), p.check();
        [[fallthrough]];
    case Moment::CheckingMiss: {
        Ints near = p.game.secret();
        std::swap(near[0], near[1]);
        return startCheck(near);
    }
    default:
        break;
    }
    // Rows with black and grey pegs, then a row partly filled.
    for (int r = 0; r < 3; ++r) {
        Ints near = p.game.secret();
        std::rotate(near.begin(), near.begin() + r + 1, near.end());
        near[0] = p.unused().at(0);
        p.fill(near), p.check();
    }
    if (moment == Moment::CheckingCovered)
        return startCheck(p.miss());
    p.fill({0, p.game.secret()[1]});
}

SavedGame Kept(const Game& game)
{
    const std::optional<SavedGame> saved = game.Saved();
    return saved ? *saved : SavedGame{};
}

std::string_view View(const std::string& s) { return s; }

/** Signs a body as the writer does, with zlib's CRC-32 as the reference checksum. */
std::string Signed(const std::string& body)
{
    char hex[9];
    std::snprintf(hex, sizeof hex, "%08lx", crc32(0, reinterpret_cast<const Bytef*>(body.data()), uInt(body.size())));
    return body + "check " + hex + "\n";
}

} // namespace

class SavedGameTest : public QObject {
    Q_OBJECT
private slots:
    // Kept at any moment and resumed in another game, the tournament goes on exactly where it
    // was: same secret, score, rows, feedback and covers; a check that was under way comes back
    // finished, as it would have finished (next row, next level or game over).
    void resumedAsItWas_data()
    {
        QTest::addColumn<Moment>("moment");
        QTest::addColumn<SavedStage>("stage");
        QTest::newRow("New Game chosen") << Moment::NewGame << SavedStage::Between;
        QTest::newRow("a peg placed") << Moment::PegPlaced << SavedStage::Playing;
        QTest::newRow("rows checked") << Moment::RowsChecked << SavedStage::Playing;
        QTest::newRow("level won") << Moment::LevelWon << SavedStage::Between;
        QTest::newRow("level 20, older rows covered") << Moment::CoveredRows << SavedStage::Playing;
        QTest::newRow("check under way: a miss") << Moment::CheckingMiss << SavedStage::Checking;
        QTest::newRow("check under way: the secret") << Moment::CheckingWin << SavedStage::Checking;
        QTest::newRow("check under way: the last row missed") << Moment::CheckingLoss << SavedStage::Checking;
        QTest::newRow("check under way: level 20") << Moment::CheckingCovered << SavedStage::Checking;
    }
    void resumedAsItWas()
    {
        QFETCH(Moment, moment);
        QFETCH(SavedStage, stage);
        Play played;
        PlayTo(played, moment);
        const SavedGame kept = Kept(played.game);
        QCOMPARE(kept.stage, stage);
        const DecodedGame decoded = DecodeSavedGame(EncodeSavedGame(kept));
        QCOMPARE(decoded.fault, SavedGameFault::None);
        QVERIFY(decoded.game == kept);
        Play resumed;
        resumed.engine.seed(99); // another run of the program, other random numbers
        resumed.game.OpenLevel(1);
        QVERIFY(resumed.game.Resume(*decoded.game));
        if (played.game.phase() == Phase::Checking) {
            while (played.game.DropPeg()) {
            }
            played.game.FinishCheck();
        }
        QCOMPARE(resumed.game.phase(), played.game.phase());
        QVERIFY(Kept(resumed.game) == Kept(played.game));
        const GameState &a = resumed.s(), &b = played.s();
        QCOMPARE(a.CatalogueRow, b.CatalogueRow);
        if (played.game.phase() != Phase::BetweenLevels) { // a won level's board is spent
            QCOMPARE(resumed.game.secret(), played.game.secret()); // a lost game's reveal
            QCOMPARE(a.TurnNumber, b.TurnNumber);
            QCOMPARE(a.GameWon, b.GameWon);
            for (int r = 0; r < b.CurrentRow; ++r)
                for (int j = 0; j <= b.LastHoleIndex; ++j)
                    QCOMPARE(a.CluePieces(r, j).Matched, b.CluePieces(r, j).Matched);
        } else { // playing on, the next level opens alike (its secret is new, drawn after the resume)
            QVERIFY(resumed.game.StartLevelPlay());
            QCOMPARE(resumed.s().CurrentLevel, b.CurrentLevel + 1);
        }
    }

    // The listener hears of every change worth keeping, with the new state already kept, and
    // of nothing else; a game over keeps only its score and level, a closed one nothing.
    void changesWorthKeepingAreReported()
    {
        Play p;
        int heard = 0;
        SavedStage stageHeard = SavedStage::Over;
        p.game.setChangeListener([&] {
            ++heard;
            stageHeard = Kept(p.game).stage;
        });
        auto expect = [&](const char* what, int times, SavedStage stage) {
            QVERIFY2(heard == times, what);
            QVERIFY2(times == 0 || stageHeard == stage, what);
            heard = 0;
        };
        p.game.OpenLevel(1);
        expect("level opened at rest", 0, {});
        p.game.NewGame();
        expect("New Game", 1, SavedStage::Between);
        p.game.StartLevelPlay();
        expect("level opened", 1, SavedStage::Playing);
        p.game.PickColor(2);
        p.game.SetCursor(1);
        p.game.UndoRow(); // refused on the top row
        expect("colour picked, cursor moved, nothing undone", 0, {});
        p.game.ClickHole(0);
        p.game.MovePeg(0, 1);
        expect("peg placed and moved", 2, SavedStage::Playing);
        QCOMPARE(p.game.CheckMatch(), CheckStart::Incomplete);
        expect("incomplete row", 0, {});
        p.fill(p.miss());
        heard = 0;
        p.game.CheckMatch();
        expect("row checked", 1, SavedStage::Checking);
        while (p.game.DropPeg()) {
        }
        expect("pegs dropped", 0, {});
        p.game.FinishCheck();
        expect("check finished", 1, SavedStage::Playing);
        p.game.CopyPeg(0, 0);
        p.game.RedoRow();
        p.game.UndoRow();
        expect("copy, redo, undo", 3, SavedStage::Playing);
        p.game.EndGame();
        expect("given up", 1, SavedStage::Over);
        QCOMPARE(Kept(p.game).currentRow, 0);
        QVERIFY(Kept(p.game).rows.empty());
        p.game.CloseGame();
        QCOMPARE(heard, 1);
        QVERIFY(!p.game.Saved());
    }

    // A file cut short anywhere, or with any one byte changed, is never taken for a tournament.
    void damagedFilesAreRefused()
    {
        Play p;
        PlayTo(p, Moment::CoveredRows);
        const std::string good = EncodeSavedGame(Kept(p.game));
        for (std::size_t n = 0; n < good.size(); ++n)
            QVERIFY2(!DecodeSavedGame(View(good.substr(0, n))).game, qPrintable(QString::number(n)));
        for (std::size_t i = 0; i < good.size(); ++i) {
            for (const char bits : {0x01, 0x10, 0x40}) {
                std::string bad = good;
                bad[i] = char(bad[i] ^ bits);
                QVERIFY2(!DecodeSavedGame(View(bad)).game, qPrintable(QString::fromStdString(bad)));
            }
        }
    }

    // Correctly checksummed, only the very form the writer gives each line is read: no other
    // spelling of a number, blank or line end, and no lines a stage does not have.
    void onlyTheWrittenFormIsRead_data()
    {
        QTest::addColumn<QByteArray>("from");
        QTest::addColumn<QByteArray>("to");
        QTest::addColumn<bool>("read");
        QTest::newRow("as written") << QByteArray() << QByteArray() << true;
        QTest::newRow("leading zero") << QByteArray("\nlevel 1\n") << QByteArray("\nlevel 01\n") << false;
        QTest::newRow("signed number") << QByteArray("\nscore 0\n") << QByteArray("\nscore +0\n") << false;
        QTest::newRow("ten digits") << QByteArray("\nscore 0\n") << QByteArray("\nscore 1000000000\n") << false;
        QTest::newRow("two blanks") << QByteArray("\nguess ") << QByteArray("\nguess  ") << false;
        QTest::newRow("trailing blank") << QByteArray("\nrow 3\n") << QByteArray("\nrow 3 \n") << false;
        QTest::newRow("no blank") << QByteArray("\nrow 3\n") << QByteArray("\nrow3\n") << false;
        QTest::newRow("capital stage") << QByteArray("stage playing") << QByteArray("stage Playing") << false;
        QTest::newRow("a blank line") << QByteArray("\nsecret") << QByteArray("\n\nsecret") << false;
        QTest::newRow("Windows line ends") << QByteArray("\n") << QByteArray("\r\n") << false;
        QTest::newRow("between levels with a board") << QByteArray("stage playing") << QByteArray("stage between") << false;
        QTest::newRow("seven holes") << QByteArray("\nsecret ") << QByteArray("\nsecret 1 ") << false;
    }
    void onlyTheWrittenFormIsRead()
    {
        QFETCH(QByteArray, from);
        QFETCH(QByteArray, to);
        QFETCH(bool, read);
        Play p;
        PlayTo(p, Moment::RowsChecked);
        QByteArray body = QByteArray::fromStdString(EncodeSavedGame(Kept(p.game)));
        QVERIFY(body.endsWith('\n'));
        body.truncate(body.lastIndexOf("check "));
        if (!from.isEmpty())
            body.replace(from, to);
        const DecodedGame decoded = DecodeSavedGame(View(Signed(body.toStdString())));
        QCOMPARE(decoded.fault == SavedGameFault::None, read);
        QCOMPARE(decoded.game == Kept(p.game), read);
    }

    // An ended game the player has named keeps the name (in any script) and the count of like
    // entries; only the written form of that line is read, and only on an ended game.
    void namedEndedGameIsKept_data()
    {
        QTest::addColumn<QByteArray>("from");
        QTest::addColumn<QByteArray>("to");
        QTest::addColumn<bool>("read");
        QTest::newRow("as written") << QByteArray() << QByteArray() << true;
        QTest::newRow("capital hex") << QByteArray(" c384") << QByteArray(" C384") << false;
        QTest::newRow("half a byte") << QByteArray("45\n") << QByteArray("4\n") << false;
        QTest::newRow("six like entries") << QByteArray("named 2") << QByteArray("named 6") << false;
        QTest::newRow("no count") << QByteArray("named 2 ") << QByteArray("named ") << false;
        QTest::newRow("a name too long") << QByteArray("45\n") << QByteArray("45" + QByteArray(96, 'a') + "\n") << false;
        QTest::newRow("on a level won") << QByteArray("stage over\nlevel 2\ncatalogue 2")
                                        << QByteArray("stage between\nlevel 1\ncatalogue 1") << false;
        QTest::newRow("a level won, unnamed") << QByteArray("stage over\nlevel 2\ncatalogue 2\nscore 425\nnamed 2 c3844e4e45")
                                              << QByteArray("stage between\nlevel 1\ncatalogue 1\nscore 425") << true;
    }
    void namedEndedGameIsKept()
    {
        QFETCH(QByteArray, from);
        QFETCH(QByteArray, to);
        QFETCH(bool, read);
        SavedGame over{SavedStage::Over, 2, 425, 0, {}, {}, {}};
        over.scoreMark = SavedGame::ScoreMark{"\xc3\x84NNE", 2};
        QByteArray body = QByteArray::fromStdString(EncodeSavedGame(over));
        QVERIFY(body.contains("\nnamed 2 c3844e4e45\n"));
        body.truncate(body.lastIndexOf("check "));
        if (!from.isEmpty())
            body.replace(from, to);
        const DecodedGame decoded = DecodeSavedGame(View(Signed(body.toStdString())));
        QCOMPARE(decoded.fault == SavedGameFault::None, read);
        QCOMPARE(decoded.game == over, read && from.isEmpty());
    }

    // What another program, a later version or nothing at all left there.
    void foreignFilesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<SavedGameFault>("fault");
        QTest::newRow("a later format") << QByteArray("Tintrix tournament\nformat 2\nwhatever comes next\n") << SavedGameFault::Newer;
        QTest::newRow("a far later format") << QByteArray("Tintrix tournament\nformat 100\n") << SavedGameFault::Newer;
        QTest::newRow("format 0") << QByteArray("Tintrix tournament\nformat 0\n") << SavedGameFault::Damaged;
        QTest::newRow("empty") << QByteArray() << SavedGameFault::NotOurs;
        QTest::newRow("high scores") << QByteArray("ANNA\r\n425\r\n1\r\n") << SavedGameFault::NotOurs;
        QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\0\0", 10) << SavedGameFault::NotOurs;
        QTest::newRow("too long") << QByteArray("Tintrix tournament\nformat 1\n") + QByteArray(5000, '\n') << SavedGameFault::NotOurs;
    }
    void foreignFilesAreRefused()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(SavedGameFault, fault);
        const DecodedGame decoded = DecodeSavedGame(std::string_view(bytes.constData(), std::size_t(bytes.size())));
        QCOMPARE(decoded.fault, fault);
        QVERIFY(!decoded.game);
    }

    // Well-formed and checksummed, but not a tournament the rules could have reached: refused
    // by the reader and by the model, which stays at rest.
    void impossibleTournamentsAreRefused_data()
    {
        Play p;
        PlayTo(p, Moment::CoveredRows);
        const SavedGame good = Kept(p.game);
        QTest::addColumn<SavedGame>("game");
        auto row = [&](const char* name, auto change) {
            SavedGame g = good;
            change(g);
            QTest::newRow(name) << g;
        };
        row("score above any reachable", [](SavedGame& g) { g.score += 20000; });
        row("score below any reachable", [](SavedGame& g) { g.score = 250; });
        row("level 37", [](SavedGame& g) { g.level = 37; });
        row("a colour out of play", [](SavedGame& g) { g.rows[0][0] = 8; });
        row("a checked row not full", [](SavedGame& g) { g.rows[1][2] = 0; });
        row("wrong feedback", [](SavedGame& g) { std::swap(g.feedback[2][0], g.feedback[2][3]); });
        row("feedback left uncovered", [&](SavedGame& g) { g.feedback[0] = FeedbackFor(g.rows[0], g.secret, false); });
        row("a checked row that was the secret", [](SavedGame& g) {
            g.rows[1] = g.secret;
            g.feedback[1] = FeedbackFor(g.secret, g.secret, false);
        });
        row("more rows than the level", [](SavedGame& g) {
            g.currentRow = 12;
            g.rows.resize(13, g.rows[3]);
        });
        row("checking a row not full", [](SavedGame& g) { g.stage = SavedStage::Checking; });
        row("a secret shorter than the level", [](SavedGame& g) { g.secret.pop_back(); });
        SavedGame twice = good;
        twice.level = 1, twice.score = 0, twice.currentRow = 0, twice.feedback.clear();
        twice.secret = {2, 2, 3, 4}; // level 1 repeats no colour
        twice.rows = {{0, 0, 0, 0}};
        QTest::newRow("a repeated colour where none may be") << twice;
    }
    void impossibleTournamentsAreRefused()
    {
        QFETCH(SavedGame, game);
        QCOMPARE(DecodeSavedGame(EncodeSavedGame(game)).fault, SavedGameFault::Damaged);
        Play p;
        p.game.OpenLevel(1);
        QVERIFY(!p.game.Resume(game));
        QCOMPARE(p.game.phase(), Phase::Idle);
        QCOMPARE(p.s().CurrentLevel, 1);
    }
};

QTEST_GUILESS_MAIN(SavedGameTest)
#include "test_saved_game.moc"

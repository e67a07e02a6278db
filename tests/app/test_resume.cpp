// SPDX-License-Identifier: GPL-3.0-or-later
// A tournament left and taken up again through the whole program: played on and won with its
// own secret, ended into the high score table, and saves that must not be trusted.
#include "BoardFixture.h"
#include "TournamentKeeper.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>

#include <unistd.h>

using namespace tintrix;
using namespace tintrix::test;

namespace {

/** The program as start-up leaves it, keeping its tournament in `data`; `before` runs just
 *  before the tournament is resumed. */
struct Run {
    explicit Run(const QString& data, const std::function<void(BoardFixture&)>& before = {})
        : keeper(fx.f(), *fx.program.scores, data)
    {
        if (before)
            before(fx);
        resumed = keeper.Resume();
        fx.settle();
    }
    BoardFixture fx;
    TournamentKeeper keeper;
    bool resumed = false;
};

} // namespace

class ResumeTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { PrepareTestEnvironment(); }
    void init() { ClearSettings(); }

    // Left on level 1 after a missed row and a peg, the tournament comes back with the same
    // secret, rows, feedback, score and panels, says so, and the level is won with that secret.
    void resumedTournamentIsWonWithItsSecret()
    {
        QTemporaryDir data;
        std::vector<int> secret, missed;
        {
            Run first(data.path());
            QVERIFY(!first.resumed);
            first.fx.newGame();
            first.fx.missRow();
            first.fx.place(1, first.fx.miss()[1]);
            secret = first.fx.secret();
            missed = ColorsOf(first.fx.s().GuessPieces.row(0));
        }
        Run again(data.path());
        BoardFixture& fx = again.fx;
        QVERIFY(again.resumed);
        QVERIFY(fx.log.seen.contains("banner:TOURNAMENT RESUMED/LEVEL 1, SCORE 0"));
        QCOMPARE(fx.secret(), secret);
        QCOMPARE(fx.s().CurrentRow, 1);
        const std::vector<Peg> pegs = FeedbackFor(missed, secret, false);
        for (int j = 0; j < 4; ++j) {
            QVERIFY(fx.samePicture(fx.guessHole(0, j)->picture(), fx.pictures.pegPicture(missed[std::size_t(j)])));
            const Peg peg = pegs[std::size_t(j)];
            QVERIFY(fx.samePicture(fx.clueHole(0, j)->picture(), peg == Peg::None ? fx.pictures.stylePicture(1)
                                                                  : fx.pictures.picture(peg == Peg::Black ? "imgBlack" : "imgGrey")));
        }
        QVERIFY(fx.samePicture(fx.guessHole(1, 1)->picture(), fx.pictures.pegPicture(fx.miss()[1])));
        QCOMPARE(fx.panel(1)->text(), QString("Score: 000"));
        QCOMPARE(fx.panel(2)->text(), QString("Level 1"));
        QVERIFY(fx.checkButton()->isEnabled() && fx.act("EndGame")->isEnabled());
        // A screen reader hears the level played, not the board at rest.
        QCOMPARE(fx.spoken(fx.f().centralWidget()), QString("Level 1"));
        fx.win();
        QCOMPARE(fx.log.seen.last(), QString("banner:LEVEL 2/4 SPACES, 7 COLORS, NO DUPLICATES"));
        QCOMPARE(fx.s().Score, 400); // won on its second row
        QCOMPARE(fx.panel(1)->text(), QString("score: 400"));
    }

    // Left during level 2, the resumed tournament is given up: the reveal, the name prompt
    // and its score in the table; the save is gone and the next start is at rest.
    void resumedTournamentEndsInTheTable()
    {
        QTemporaryDir data;
        {
            Run first(data.path());
            first.fx.newGame();
            first.fx.win();
            first.fx.place(0, 1);
        }
        {
            Run again(data.path());
            BoardFixture& fx = again.fx;
            QVERIFY(again.resumed);
            QCOMPARE(fx.s().CurrentLevel, 2);
            // Each time the save changes: whether it is the named game, and whether the high
            // score file holds its score yet.
            QStringList changes;
            again.keeper.store().setHooks({}, [&](const SavedGame* saved) {
                const bool named = saved && saved->scoreMark == SavedGame::ScoreMark{"TESTER", 0};
                changes << QString("%1 %2").arg(named ? "named" : "-").arg(fx.program.scores->CountOnDisk({425, "TESTER", 2}));
            });
            fx.act("EndGame")->trigger();
            fx.settle();
            QCOMPARE(fx.log.seen.mid(fx.log.seen.size() - 3),
                     (QStringList{"banner:SORRY!/GAME OVER", "reveal", "name"}));
            QCOMPARE(fx.program.scores->table().places[0], (HighScoreEntry{425, "TESTER", 2}));
            QVERIFY(WaitFor([&] { return !QFileInfo::exists(again.keeper.store().file()); }));
            // Marked with the name before the file was saved; let go once it holds the score.
            QCOMPARE(changes, (QStringList{"- 0", "named 0", "- 1"}));
        }
        Run later(data.path());
        QVERIFY(!later.resumed);
        QCOMPARE(later.fx.game().phase(), Phase::Idle);
    }

    // A game that had ended before its score reached the table is offered to it at start-up,
    // never resumed. One the player had named already is entered under that name without
    // asking, unless the file holds it already (the program ended after saving the table but
    // before letting the game go): a score is entered once, never twice, never lost.
    void endedGameIsOfferedNotResumed_data()
    {
        QTest::addColumn<QString>("named");     // empty: not named yet
        QTest::addColumn<int>("sameBefore");    // like entries in the file when it was named
        QTest::addColumn<bool>("alreadySaved"); // the file holds one such entry at start-up
        QTest::addColumn<QStringList>("seen");
        QTest::addColumn<QString>("inTable");
        QTest::addColumn<int>("times");
        QTest::newRow("not named yet") << "" << 0 << false << QStringList{"name"} << "TESTER" << 1;
        QTest::newRow("named, not saved") << "ANNA" << 0 << false << QStringList{} << "ANNA" << 1;
        QTest::newRow("named and saved") << "ANNA" << 0 << true << QStringList{} << "ANNA" << 1;
        QTest::newRow("named, a like entry there before") << "ANNA" << 1 << true << QStringList{} << "ANNA" << 2;
    }
    void endedGameIsOfferedNotResumed()
    {
        QFETCH(QString, named);
        QFETCH(int, sameBefore);
        QFETCH(bool, alreadySaved);
        QTemporaryDir data;
        {
            TournamentStore store(data.path());
            QCOMPARE(store.claim(), TournamentStore::Claim::Mine);
            SavedGame over{SavedStage::Over, 2, 425, 0, {}, {}, {}};
            if (!named.isEmpty())
                over.scoreMark = SavedGame::ScoreMark{named.toStdString(), sameBefore};
            QVERIFY(store.write(over));
        }
        Run run(data.path(), [&](BoardFixture& fx) {
            if (alreadySaved)
                fx.program.scores->RecordNamedScore(425, 2, named, &fx.f());
        });
        QVERIFY(!run.resumed);
        QTEST(run.fx.log.seen, "seen");
        QFETCH(QString, inTable);
        QTEST(run.fx.program.scores->CountOnDisk({425, inTable, 2}), "times");
        QCOMPARE(run.fx.game().phase(), Phase::Idle);
        QVERIFY(!QFileInfo::exists(run.keeper.store().file()));
    }

    // While another copy of the game saves the high score file, the ended game stays kept and
    // named, also once a new game has begun; it is let go, and the new game kept, once its
    // score is in the file.
    void endedGameWaitsForTheHighScoreFile()
    {
        QTemporaryDir data;
        Run run(data.path());
        BoardFixture& fx = run.fx;
        const auto kept = [&] {
            QFile save(run.keeper.store().file());
            const QByteArray bytes = save.open(QIODevice::ReadOnly) ? save.readAll() : QByteArray();
            return DecodeSavedGame(std::string_view(bytes.constData(), std::size_t(bytes.size()))).game;
        };
        QLockFile other(fx.folder.path() + "/Hsl.hsl.lock");
        QVERIFY(other.tryLock(0));
        fx.newGame();
        fx.win();
        const qint32 score = fx.s().Score;
        fx.act("EndGame")->trigger();
        fx.settle();
        QVERIFY(fx.program.scores->savePending());
        const SavedGame named{SavedStage::Over, 2, score, 0, {}, {}, {}, SavedGame::ScoreMark{"TESTER", 0}};
        QCOMPARE(kept(), std::optional(named));
        fx.newGame();
        fx.settle();
        QCOMPARE(kept(), std::optional(named));
        other.unlock();
        QTRY_VERIFY_WITH_TIMEOUT(kept() && kept() == fx.game().Saved(), 10000);
        QCOMPARE(kept()->stage, SavedStage::Playing);
        QCOMPARE(fx.program.scores->CountOnDisk({score, "TESTER", 2}), 1);
    }

    // Whatever is under the save's name and is not a tournament to trust stays as it was, moved
    // aside, the board at rest with one notice; the next game is saved again.
    void untrustedSaveIsMovedAside_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("why");
        QTest::newRow("damaged") << "damaged" << "the file is damaged or cut short.";
        QTest::newRow("newer") << "newer" << "it was saved by a newer version of Tintrix.";
        QTest::newRow("not ours") << "foreign" << "the file is not a saved tournament.";
        QTest::newRow("a link to a good save") << "link" << "it is a link.";
        QTest::newRow("a folder") << "folder" << "it is a folder.";
        QTest::newRow("unreadable") << "unreadable" << "the file cannot be read.";
        QTest::newRow("aside name taken") << "taken" << "the file is damaged or cut short.";
    }
    void untrustedSaveIsMovedAside()
    {
        QFETCH(QString, kind);
        QFETCH(QString, why);
        if (kind == "unreadable" && ::geteuid() == 0)
            QSKIP("root reads every file");
        QTemporaryDir data, elsewhere;
        const QString file = data.filePath("tournament.sav");
        const QByteArray good = QByteArray::fromStdString(EncodeSavedGame(SavedGame{SavedStage::Between, 1, 425, 0, {}, {}, {}}));
        QByteArray bytes = good;
        if (kind == "damaged" || kind == "taken")
            bytes.replace("score 425", "score 475");
        else if (kind == "newer")
            bytes.replace("format 1", "format 2");
        else if (kind == "foreign")
            bytes = "TESTER\r\n425\r\n2\r\n";
        if (kind == "link") {
            QVERIFY(WriteAll(elsewhere.filePath("good.sav"), good));
            QVERIFY(QFile::link(elsewhere.filePath("good.sav"), file));
        } else if (kind == "folder") {
            QVERIFY(QDir(data.path()).mkdir("tournament.sav"));
            QVERIFY(WriteAll(file + "/inside", bytes));
        } else {
            QVERIFY(WriteAll(file, bytes));
        }
        if (kind == "unreadable")
            QVERIFY(QFile::setPermissions(file, {}));
        const QString aside = kind == "taken" ? file + ".refused.2" : file + ".refused";
        if (kind == "taken")
            QVERIFY(WriteAll(file + ".refused", "an earlier one"));
        Run run(data.path());
        QVERIFY(!run.resumed);
        QCOMPARE(run.fx.game().phase(), Phase::Idle);
        QCOMPARE(run.fx.log.seen, QStringList{QString("message:The saved tournament in %1 cannot be resumed: %2 It was moved aside to %3.")
                                                  .arg(file, why, aside)});
        if (kind == "link") {
            QCOMPARE(QFileInfo(aside).symLinkTarget(), elsewhere.filePath("good.sav"));
            QCOMPARE(ReadAll(elsewhere.filePath("good.sav")), good);
        } else if (kind == "folder") {
            QCOMPARE(ReadAll(aside + "/inside"), bytes);
        } else {
            QFile::setPermissions(aside, QFile::ReadOwner | QFile::WriteOwner);
            QCOMPARE(ReadAll(aside), bytes);
        }
        if (kind == "taken")
            QCOMPARE(ReadAll(file + ".refused"), QByteArray("an earlier one"));
        run.fx.newGame();
        QCOMPARE(DecodeSavedGame(ReadAll(file).toStdString()).fault, SavedGameFault::None);
    }

    // A second copy running at the same time starts at rest, says why, and never writes over
    // the first copy's tournament; the first goes on saving.
    void secondCopyLeavesTheTournamentAlone()
    {
        QTemporaryDir data;
        Run first(data.path());
        first.fx.newGame();
        first.fx.place(0, 2);
        QTest::qWait(20); // the write follows at once, once events are handled
        const QByteArray kept = ReadAll(first.keeper.store().file());
        QProcess second;
        second.start(TOURNAMENT_PLAYER, {"second", data.path()});
        QVERIFY(second.waitForFinished(20000));
        QCOMPARE(second.readAllStandardOutput(),
                 QByteArray("message:Tintrix is already running. This window starts without the saved tournament "
                            "and does not save its games.\nnot claimed\nat rest\nplayed\n"));
        QCOMPARE(ReadAll(first.keeper.store().file()), kept);
        first.fx.place(1, 3);
        QVERIFY(WaitFor([&] { return ReadAll(first.keeper.store().file()) != kept; }));
    }

    // The store writes and removes only its own plain file, and only once it holds the folder:
    // a link put under the save's name while the game runs is neither written through nor
    // removed, and a second copy's store refuses both.
    void onlyTheClaimedPlainFileIsWritten()
    {
        QTemporaryDir data, elsewhere;
        const SavedGame game{SavedStage::Between, 1, 425, 0, {}, {}, {}};
        TournamentStore store(data.path()), second(data.path());
        QCOMPARE(store.claim(), TournamentStore::Claim::Mine);
        QCOMPARE(second.claim(), TournamentStore::Claim::Busy);
        QVERIFY(store.write(game));
        QVERIFY(!second.write(game) && !second.remove());
        QVERIFY(store.remove());
        const QString theirs = elsewhere.filePath("theirs");
        QVERIFY(WriteAll(theirs, "theirs") && QFile::link(theirs, store.file()));
        QVERIFY(!store.write(game) && !store.remove());
        QVERIFY(QFileInfo(store.file()).isSymLink());
        QCOMPARE(ReadAll(theirs), QByteArray("theirs"));
    }

    // A lock left by a dead copy whose process id this copy now has, or left empty long ago, is
    // taken over; an empty one just made is another copy starting up.
    void leftLocksAreTakenOver_data()
    {
        QTest::addColumn<bool>("ownId");
        QTest::addColumn<int>("ageMs");
        QTest::addColumn<bool>("taken");
        QTest::newRow("this copy's process id") << true << 0 << true;
        QTest::newRow("empty, left long ago") << false << 60000 << true;
        QTest::newRow("empty, just made") << false << 0 << false;
    }
    void leftLocksAreTakenOver()
    {
        QFETCH(bool, ownId);
        QFETCH(int, ageMs);
        QTemporaryDir data;
        const QString lock = data.filePath("tournament.sav.lock");
        QByteArray bytes;
        if (ownId) {
            QLockFile mine(lock);
            QVERIFY(mine.tryLock(0));
            bytes = ReadAll(lock);
        }
        QVERIFY(WriteAll(lock, bytes));
        QFile lockFile(lock);
        QVERIFY(lockFile.open(QIODevice::ReadWrite));
        QVERIFY(lockFile.setFileTime(QDateTime::currentDateTime().addMSecs(-ageMs), QFileDevice::FileModificationTime));
        lockFile.close();
        TournamentStore store(data.path());
        QFETCH(bool, taken);
        QCOMPARE(store.claim(), taken ? TournamentStore::Claim::Mine : TournamentStore::Claim::Busy);
    }
};

QTEST_MAIN(ResumeTest)
#include "test_resume.moc"

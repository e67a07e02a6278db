// SPDX-License-Identifier: GPL-3.0-or-later
// Saving the high scores among the player's own files and beside other copies of the game:
// files with names like the game's stay as they are, a copy stuck in the middle of a save
// holds nobody up, and what stands in the way is named.
#include "HighScoreCodec.h"
#include "HighScoreStore.h"
#include "ScoreTestGame.h"
#include "TestSupport.h"

#include <QEventLoop>
#include <QLockFile>
#include <QProcess>
#include <QTest>

#include <sys/stat.h>

#include <thread>

using namespace tintrix;
using namespace tintrix::test;

namespace {

const QByteArray kOld = "OLD\r\n 250 \r\n 3 \r\n";
const QByteArray kDamaged = "JUNK\r\nOLD\r\n 250 \r\n 3 \r\nHALF\r\n 40";

// Every name in folder with what is under it, one per line, sorted.
QString contents(const QString& folder)
{
    QStringList lines;
    for (const QString& name : QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System))
        lines << name + ": " + snapshot(folder + '/' + name);
    return lines.join('\n');
}

// A process id that no running process has.
qint64 deadProcessId()
{
    QProcess gone;
    gone.start("true", {});
    gone.waitForFinished();
    return gone.processId() ? gone.processId() : 999999;
}

} // namespace

class ScoreSavingTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { PrepareTestEnvironment(); }

    // Files of the player's beside the table, in the game's folder or in the per-user one,
    // whatever their names: a save leaves each byte for byte and removes only what a save of
    // its own left behind.
    void playersFilesBesideTheTableStay_data()
    {
        QTest::addColumn<bool>("perUser"); // the table is kept in the per-user folder
        QTest::newRow("game's folder") << false;
        QTest::newRow("per-user folder") << true;
    }
    void playersFilesBesideTheTableStay()
    {
        QFETCH(bool, perUser);
        Game game;
        const QString folder = perUser ? game.dir.path() + "/user" : game.programFolder;
        QVERIFY(QDir().mkpath(folder));
        const QStringList mine{"Hsl.hsl.backup", "Hsl.hsl.old123", "Hsl.hsl.2024-1", "Hsl.hsl.bak.keep01",
                               "Hsl.hsl.bak.saved!", "Hsl.hsl.tintrix-tmp-notes.txt",
                               "Hsl.hsl.tintrix-tmp-ABCDEFGHIJKL", "Hsl.hsl.lock.rmlock-mine", ".Hsl.hsl.abcdef"};
        for (const QString& name : mine)
            QVERIFY(WriteAll(folder + '/' + name, "the player's " + name.toUtf8()));
        QVERIFY(QFile::link(folder + "/Hsl.hsl.backup", folder + "/Hsl.hsl.abcdef"));
        const QString before = contents(folder);
        QVERIFY(WriteAll(folder + "/Hsl.hsl", kOld));
        // What a save killed in the middle leaves behind.
        QVERIFY(WriteAll(folder + "/Hsl.hsl" + kTempFileMarker + "0123456789az", "half"));
        QVERIFY(WriteAll(folder + "/Hsl.hsl.bak" + kTempFileMarker + "zz0123456789", "half"));

        game.book.LoadHighScores();
        game.answers << "ann";
        game.book.RecordHighScore(300, 4, nullptr);
        QCOMPARE(game.names(), QString("ANN,OLD"));
        const QString table = "Hsl.hsl: " + snapshot(folder + "/Hsl.hsl");
        QCOMPARE(contents(folder).remove(table + '\n'), before);
        QCOMPARE(ReadAll(folder + "/Hsl.hsl"), SerializeHighScores(game.book.table()));
        QCOMPARE(game.notices.size(), perUser ? 1 : 0); // where the table is kept, once
    }

    // Another copy stuck in the middle of a save: this one goes on at once, says after a
    // while that it waits, and saves by itself, with every game ended meanwhile, once the
    // other copy is done, also while the notice is still shown.
    void stuckCopyHoldsNobodyUp()
    {
        Game game;
        QVERIFY(WriteAll(game.programFolder + "/Hsl.hsl", kOld));
        QLockFile other(game.programFolder + "/Hsl.hsl.lock");
        QVERIFY(other.tryLock(0));
        QByteArray whileShown;
        game.book.setNotice([&](QWidget*, const QString& text) {
            game.notices << text;
            other.unlock();
            // As a message box does, events go on until the player closes it.
            QEventLoop shown;
            QTimer::singleShot(10 * HighScoreBook::kRetryMs, &shown, &QEventLoop::quit);
            shown.exec();
            whileShown = game.file();
        });
        game.book.LoadHighScores();
        game.answers << "ann" << "bo";
        game.book.RecordHighScore(300, 4, nullptr);
        QVERIFY2(game.notices.isEmpty(), qPrintable(game.notices.join('\n')));
        QCOMPARE(game.file(), kOld);
        game.book.RecordHighScore(100, 2, nullptr);
        QTest::qWait(3 * HighScoreBook::kRetryMs);
        QCOMPARE(game.file(), kOld);

        QTRY_COMPARE_WITH_TIMEOUT(game.notices.size(), 1, 10000);
        QVERIFY(game.notices[0].contains("Another copy of the game is saving"));
        QCOMPARE(whileShown, SerializeHighScores(game.book.table()));
        QCOMPARE(game.names(), QString("ANN,OLD,BO"));
        QVERIFY(!game.book.savePending());
        QCOMPARE(QDir(game.programFolder).entryList(QDir::Files | QDir::Hidden), QStringList{"Hsl.hsl"});
    }

    // The program ends while its save waits for another copy: the save is finished then.
    void endingProgramFinishesAWaitingSave()
    {
        QTemporaryDir dir;
        QLockFile other(dir.path() + "/Hsl.hsl.lock");
        QVERIFY(other.tryLock(0));
        std::thread otherFinishes;
        {
            Game game(dir.path());
            game.answers << "ann";
            game.book.RecordHighScore(300, 4, nullptr);
            QVERIFY(game.book.savePending());
            otherFinishes = std::thread([&other] {
                std::this_thread::sleep_for(std::chrono::milliseconds(300));
                other.unlock();
            });
        }
        otherFinishes.join();
        QCOMPARE(ReadAll(dir.path() + "/Hsl.hsl"), QByteArray("ANN\r\n 300 \r\n 4 \r\n"));
    }

    // A lock left by a copy that is gone (killed after writing its process id, or while
    // creating the lock) is taken over, without a word to the player.
    void abandonedLocksAreTakenOver_data()
    {
        QTest::addColumn<QByteArray>("lock");
        QTest::addColumn<int>("ageMs");
        const QByteArray dead = QByteArray::number(deadProcessId()) + "\ntintrix\n" + QSysInfo::machineHostName().toUtf8() + '\n';
        QTest::newRow("copy gone") << dead << 0;
        QTest::newRow("empty, just left") << QByteArray() << 0;
        QTest::newRow("empty, left earlier") << QByteArray() << 60000;
    }
    void abandonedLocksAreTakenOver()
    {
        QFETCH(QByteArray, lock);
        QFETCH(int, ageMs);
        Game game;
        const QString lockPath = game.programFolder + "/Hsl.hsl.lock";
        QVERIFY(WriteAll(game.programFolder + "/Hsl.hsl", kOld) && WriteAll(lockPath, lock));
        QFile lockFile(lockPath);
        QVERIFY(lockFile.open(QIODevice::ReadWrite));
        QVERIFY(lockFile.setFileTime(QDateTime::currentDateTime().addMSecs(-ageMs), QFileDevice::FileModificationTime));
        lockFile.close();
        game.book.LoadHighScores();
        game.answers << "ann";
        game.book.RecordHighScore(300, 4, nullptr);
        QTRY_COMPARE(game.file(), SerializeHighScores(game.book.table()));
        QCOMPARE(game.names(), QString("ANN,OLD"));
        QVERIFY2(game.notices.isEmpty(), qPrintable(game.notices.join('\n')));
    }

    // A damaged table whose backup's name is taken by a folder or a pipe: the thing in the
    // way stays, the damaged file is kept in the per-user folder instead and the table stays
    // in the game's folder, where the next start reads it; the notice names what is in the
    // way. With nowhere to keep the damaged file it is left as it is, and the notice says why.
    void backupsNameTakenBySomethingElse_data()
    {
        QTest::addColumn<QString>("blocker");
        QTest::addColumn<QString>("perUser"); // the per-user folder: "" fine, else what is wrong
        QTest::addColumn<QString>("why");
        const char* kept = "so the damaged high score file was kept as";
        const char* notKept = "Hsl.hsl.bak is a folder, so the damaged high score file could not be kept";
        QTest::newRow("folder") << "folder" << "" << QString("Hsl.hsl.bak is a folder, ") + kept;
        QTest::newRow("pipe") << "pipe" << "" << QString("Hsl.hsl.bak is not a regular file, ") + kept;
        QTest::newRow("no per-user folder") << "folder" << "uncreatable" << notKept;
        QTest::newRow("a pipe there too") << "folder" << "pipe" << notKept;
    }
    void backupsNameTakenBySomethingElse()
    {
        QFETCH(QString, blocker);
        QFETCH(QString, perUser);
        Game game;
        const QString file = game.programFolder + "/Hsl.hsl", bak = file + ".bak";
        const QString user = perUser == "uncreatable" ? UncreatableFolder(game.dir.path()) : game.dir.path() + "/user";
        game.book.setFallbackFolder(user);
        QVERIFY(WriteAll(file, kDamaged));
        if (blocker == "folder")
            QVERIFY(QDir().mkpath(bak) && WriteAll(bak + "/inside", "x"));
        else
            QCOMPARE(mkfifo(qPrintable(bak), 0600), 0);
        if (perUser == "pipe")
            QVERIFY(QDir().mkpath(user) && mkfifo(qPrintable(user + "/Hsl.hsl.bak"), 0600) == 0);
        const QString before = snapshot(bak) + '|' + snapshot(user + "/Hsl.hsl.bak");

        game.book.LoadHighScores();
        game.answers << "ann" << "bo";
        game.book.RecordHighScore(300, 4, nullptr);
        QCOMPARE(game.names(), QString("ANN,OLD"));
        QCOMPARE(game.notices.size(), 1);
        QFETCH(QString, why);
        QVERIFY2(game.notices[0].startsWith(bak.chopped(11) + why), qPrintable(game.notices[0]));
        if (!perUser.isEmpty()) {
            QCOMPARE(snapshot(bak) + '|' + snapshot(user + "/Hsl.hsl.bak"), before);
            QCOMPARE(ReadAll(file), kDamaged);
            QVERIFY2(game.notices[0].contains("could not be saved"), qPrintable(game.notices[0]));
            return;
        }
        QCOMPARE(snapshot(bak), before.section('|', 0, 0));
        QVERIFY2(game.notices[0].endsWith(user + "/Hsl.hsl.bak."), qPrintable(game.notices[0]));
        QCOMPARE(ReadAll(user + "/Hsl.hsl.bak"), kDamaged);
        QCOMPARE(ReadAll(file), SerializeHighScores(game.book.table()));
        QVERIFY(!QFileInfo::exists(user + "/Hsl.hsl"));

        game.book.RecordHighScore(200, 4, nullptr);
        QCOMPARE(ReadAll(file), SerializeHighScores(game.book.table()));
        QCOMPARE(game.notices.size(), 1);
        HighScoreBook nextStart(game.programFolder);
        nextStart.setFallbackFolder(user);
        nextStart.LoadHighScores();
        QCOMPARE(nextStart.table(), game.book.table());
    }

    // Something other than a high score file under the per-user file's name is left alone
    // like any file of the player's: the table in the game's folder is read and saved, and the
    // player is told once where it is kept.
    void perUserNameTakenBySomethingElse_data()
    {
        QTest::addColumn<QString>("kind");
        for (const char* kind : {"link to a table", "dangling link", "folder", "text"})
            QTest::newRow(kind) << kind;
    }
    void perUserNameTakenBySomethingElse()
    {
        QFETCH(QString, kind);
        Game game;
        const QString user = game.dir.path() + "/user", theirs = user + "/Hsl.hsl", target = game.dir.path() + "/shared";
        QVERIFY(QDir().mkpath(user) && WriteAll(game.programFolder + "/Hsl.hsl", kOld));
        if (kind == "link to a table")
            QVERIFY(WriteAll(target, "LINKED\r\n 900 \r\n 9 \r\n"));
        if (kind.contains("link"))
            QVERIFY(QFile::link(target, theirs));
        if (kind == "folder")
            QVERIFY(QDir().mkpath(theirs));
        if (kind == "text")
            QVERIFY(WriteAll(theirs, "notes of mine\n"));
        const QString before = contents(user) + '|' + snapshot(theirs);

        game.book.LoadHighScores();
        QCOMPARE(game.names(), QString("OLD"));
        game.answers << "ann" << "bo";
        game.book.RecordHighScore(300, 4, nullptr);
        game.book.RecordHighScore(200, 4, nullptr);
        QCOMPARE(contents(user) + '|' + snapshot(theirs), before);
        QCOMPARE(game.file(), SerializeHighScores(game.book.table()));
        QCOMPARE(game.names(), QString("ANN,OLD,BO"));
        QCOMPARE(game.notices.size(), 1);
        QVERIFY2(game.notices[0].startsWith(theirs + " is ")
                     && game.notices[0].endsWith("The high scores are kept in " + game.programFolder + "/Hsl.hsl."),
                 qPrintable(game.notices[0]));
    }
};

QTEST_MAIN(ScoreSavingTest)
#include "test_score_saving.moc"

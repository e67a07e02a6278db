// SPDX-License-Identifier: GPL-3.0-or-later
// The high score table as the player meets it: the end of a game, the name prompt, a second
// copy of the game, and files and folders the game must not write.
#include "HighScoreBook.h"
#include "HighScoreCodec.h"
#include "ScoreTestFolders.h"
#include "ScoreTestGame.h"
#include "TestSupport.h"

#include <QInputDialog>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace tintrix;
using namespace tintrix::test;
using Games = QList<QPair<qint32, int>>; // score and level of each finished game

namespace {

const QByteArray kFullFile = "A\r\n 500 \r\n 9 \r\nB\r\n 400 \r\n 8 \r\nC\r\n 300 \r\n 7 \r\n"
                             "D\r\n 200 \r\n 6 \r\nE\r\n 100 \r\n 5 \r\n";

} // namespace

class ScoreBookTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { PrepareTestEnvironment(); }

    // Games ending one after another in a run: who is asked for a name, how often, and the
    // file afterwards (loading alone creates none; a score that does not enter leaves it be).
    void finishedGamesAreRecorded_data()
    {
        QTest::addColumn<QByteArray>("before"); // null: no file
        QTest::addColumn<Games>("games");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<int>("asked");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("score 0 leaves the file") << QByteArray("X\r\n-5 \r\n 1 \r\n") << Games{{0, 4}} << QStringList{} << 0
                                                 << QByteArray("X\r\n-5 \r\n 1 \r\n");
        QTest::newRow("first game creates the file") << QByteArray() << Games{{40, 3}} << QStringList{"ann"} << 1
                                                     << QByteArray("ANN\r\n 40 \r\n 3 \r\n");
        QTest::newRow("too long twice, then fits") << QByteArray() << Games{{150, 7}} << QStringList{"thirteen char", "fourteen chars", "ok"}
                                                   << 3 << QByteArray("OK\r\n 150 \r\n 7 \r\n");
        QTest::newRow("empty answer, empty name") << QByteArray() << Games{{150, 7}} << QStringList{""} << 1
                                                  << QByteArray("\r\n 150 \r\n 7 \r\n");
        QTest::newRow("full: tie with place 5") << kFullFile << Games{{100, 20}} << QStringList{"new"} << 0 << kFullFile;
        QTest::newRow("full: 300 above the old 300") << kFullFile << Games{{300, 20}} << QStringList{"new"} << 1
                                                     << kFullFile.first(30) + "NEW\r\n 300 \r\n 20 \r\n" + kFullFile.sliced(30, 30);
        QTest::newRow("two games in a run, a negative between")
            << QByteArray() << Games{{150, 12}, {-20, 1}, {900, 36}} << QStringList{"first", "second"} << 2
            << QByteArray("SECOND\r\n 900 \r\n 36 \r\nFIRST\r\n 150 \r\n 12 \r\n");
    }
    void finishedGamesAreRecorded()
    {
        QFETCH(QByteArray, before);
        QFETCH(Games, games);
        Game game;
        if (!before.isNull())
            QVERIFY(WriteAll(game.programFolder + "/Hsl.hsl", before));
        game.book.LoadHighScores();
        QCOMPARE(QFile::exists(game.programFolder + "/Hsl.hsl"), !before.isNull());
        QFETCH(QStringList, answers);
        game.answers = answers;
        for (const auto& [score, level] : games)
            game.book.RecordHighScore(score, level, nullptr);
        QTEST(game.asked, "asked");
        QTEST(game.file(), "after");
        QVERIFY(game.notices.isEmpty());
    }

    // The real prompt never offers an earlier game's name; Cancel records an empty name.
    void realPromptIsAnswered()
    {
        QTemporaryDir dir;
        HighScoreBook book(dir.path());
        QStringList offered;
        ModalAnswerer answerer([&](QWidget* w) {
            auto* dialog = qobject_cast<QInputDialog*>(w);
            if (!dialog)
                return true;
            offered << dialog->textValue();
            dialog->setTextValue("ann");
            ClickButton(dialog, offered.size() == 1 ? "OK" : "Cancel");
            return offered.size() == 2;
        });
        book.RecordHighScore(50, 2, nullptr);
        book.RecordHighScore(40, 2, nullptr);
        QCOMPARE(offered, QStringList(2, QString()));
        QCOMPARE(ReadAll(dir.path() + "/Hsl.hsl"), QByteArray("ANN\r\n 50 \r\n 2 \r\n\r\n 40 \r\n 2 \r\n"));
    }

    // Something under the file's name that the game did not write, cannot read, or must not
    // write through is left exactly as it is, and so is a folder that cannot be written: the
    // scores go to the user's folder, and the notice says why.
    void strangeFilesAreLeftAsTheyAre_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("why");
        QTest::addColumn<QString>("names");
        for (const char* kind : {"link", "link to another owner's file", "dangling link"})
            QTest::newRow(kind) << kind << "is a link" << "ANN";
        QTest::newRow("write-only file") << "write-only" << "cannot be read" << "ANN";
        for (const char* kind : {"binary", "text", "large", "pipe"})
            QTest::newRow(kind) << kind << "is not a high score file" << "ANN";
        QTest::newRow("folder") << "folder" << "is a folder" << "ANN";
        QTest::newRow("read-only folder") << "read-only folder" << "folder cannot be written" << "ANN,OLD";
    }
    void strangeFilesAreLeftAsTheyAre()
    {
        QFETCH(QString, kind);
        QTemporaryDir top;
        const QString program = top.path() + "/game", file = program + "/Hsl.hsl", target = top.path() + "/target";
        QVERIFY(QDir().mkpath(program));
        QByteArray text, junk;
        for (int i = 0; i < 3 * kHighScoreFileMaxBytes / 64; ++i)
            text += "user" + QByteArray::number(i) + ":x:" + QByteArray::number(1000 + i) + ":100::/home:/bin/sh\n";
        for (int i = 0; i < 1024; ++i)
            junk += char(i * 7);
        if (kind.contains("link"))
            QVERIFY(QFile::link(target, file));
        if (kind == "link")
            QVERIFY(WriteAll(target, kFullFile));
        if (kind == "link to another owner's file") {
            QVERIFY(WriteAll(target, text.first(200)));
            if (geteuid() == 0)
                QCOMPARE(chown(qPrintable(target), 65534, 65534), 0);
        }
        if (kind == "write-only")
            QVERIFY(WriteAll(file, kFullFile) && QFile::setPermissions(file, QFile::WriteOwner));
        if (kind == "binary" || kind == "text" || kind == "large")
            QVERIFY(WriteAll(file, kind == "binary" ? junk : kind == "text" ? text.first(200) : text));
        if (kind == "pipe") // read at once, never waited on
            QCOMPARE(mkfifo(qPrintable(file), 0600), 0);
        if (kind == "folder")
            QVERIFY(QDir().mkpath(file) && WriteAll(file + "/inside", "x"));
        if (kind == "read-only folder")
            QVERIFY(WriteAll(file, "OLD\r\n 250 \r\n 3 \r\n") && QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner));
        const QString before = snapshot(program) + '|' + snapshot(file);

        Game game(program);
        {
            const PermissionsApply permissions;
            if (!permissions.ok())
                QSKIP("root's capabilities to pass over file permissions could not be set aside");
            game.book.LoadHighScores();
            game.answers << "ann";
            game.book.RecordHighScore(300, 4, nullptr);
        }
        QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(snapshot(program) + '|' + snapshot(file), before);
        QTEST(game.names(), "names");
        const QString fallback = game.dir.path() + "/user/Hsl.hsl";
        QCOMPARE(ReadAll(fallback), SerializeHighScores(game.book.table()));
        QFETCH(QString, why);
        QCOMPARE(game.notices.size(), 1);
        QVERIFY2(game.notices[0].contains(why) && game.notices[0].endsWith(fallback + '.'), qPrintable(game.notices[0]));
    }

    // A damaged file is replaced by the table it held only once it is kept, whole, as
    // Hsl.hsl.bak, in place of an older backup; a link by that name is replaced, not
    // followed. The file the game then writes is replaced without a backup.
    void damagedFileIsKeptAsABackup_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("names");
        const QByteArray a = "A\r\n 500 \r\n 9 \r\n";
        QTest::newRow("junk line and an unfinished entry") << "JUNK\r\n" + a + "B\r\n 40" << "A,ANN,BO";
        QTest::newRow("100 KB of junk after an entry") << a + QByteArray(100 * 1024, '#') << "A,ANN,BO";
        QTest::newRow("Windows-1252 name") << QByteArray("M\x9aLLER\r\n 500 \r\n 9 \r\n") << u"M\u0161LLER,ANN,BO"_qs;
    }
    void damagedFileIsKeptAsABackup()
    {
        QFETCH(QByteArray, bytes);
        Game game;
        const QString file = game.programFolder + "/Hsl.hsl", backup = file + ".bak";
        QVERIFY(WriteAll(file, bytes) && WriteAll(game.dir.path() + "/mine", "mine"));
        QVERIFY(QFile::link(game.dir.path() + "/mine", backup));
        game.book.LoadHighScores();
        game.answers << "ann" << "bo";
        game.book.RecordHighScore(300, 4, nullptr);
        QVERIFY(!QFileInfo(backup).isSymLink());
        QCOMPARE(ReadAll(game.dir.path() + "/mine"), QByteArray("mine"));
        game.book.RecordHighScore(200, 4, nullptr);
        QCOMPARE(ReadAll(backup), bytes);
        QTEST(game.names(), "names");
        QCOMPARE(game.file(), SerializeHighScores(game.book.table()));
        QVERIFY(game.notices.isEmpty());
    }

    // A second copy of the game saves while this one waits for the player's name: both
    // entries survive, in rank order, and each copy sees the other's.
    void secondCopySavingMeanwhileKeepsBothEntries()
    {
        Game mine, other(mine.dir.path());
        QVERIFY(WriteAll(mine.dir.path() + "/Hsl.hsl", "OLD\r\n 250 \r\n 3 \r\n"));
        mine.book.LoadHighScores();
        other.book.LoadHighScores();
        other.answers << "other" << "again";
        mine.book.setNamePrompt([&](QWidget*) { return other.book.RecordHighScore(200, 8, nullptr), QString("mine"); });
        mine.book.RecordHighScore(300, 9, nullptr);
        QCOMPARE(mine.names(), QString("MINE,OLD,OTHER"));
        QCOMPARE(mine.file(), SerializeHighScores(mine.book.table()));
        other.book.RecordHighScore(260, 9, nullptr);
        QCOMPARE(other.names(), QString("MINE,AGAIN,OLD,OTHER"));
    }

    // A folder that cannot be written: the scores go to the user's folder, the player is told
    // once per run, and the next start reads that folder first. With nowhere at all to save,
    // the entry stays in the table and is saved with the next one once a folder takes it.
    void unwritableFolders()
    {
        QTemporaryDir top;
        const QString program = UnwritableFolder(top.path());
        QVERIFY(WriteAll(program + "/Hsl.hsl", "OLD\r\n 250 \r\n 3 \r\n"));
        Game game(program);
        game.book.LoadHighScores();
        game.answers << "ann" << "bo";
        game.book.RecordHighScore(300, 4, nullptr);
        game.book.RecordHighScore(100, 2, nullptr);
        QCOMPARE(game.notices.size(), 1);
        QCOMPARE(ReadAll(program + "/Hsl.hsl"), QByteArray("OLD\r\n 250 \r\n 3 \r\n"));
        HighScoreBook nextStart(program);
        nextStart.setFallbackFolder(game.dir.path() + "/user");
        nextStart.LoadHighScores();
        QCOMPARE(nextStart.table(), game.book.table());
        QCOMPARE(game.names(), QString("ANN,OLD,BO"));

        Game nowhere(program);
        nowhere.book.setFallbackFolder(UncreatableFolder(top.path()));
        nowhere.answers << "cy" << "di";
        nowhere.book.RecordHighScore(300, 4, nullptr);
        QCOMPARE(nowhere.notices.size(), 1);
        QVERIFY(QFile::remove(top.path() + "/blocker"));
        nowhere.book.RecordHighScore(100, 2, nullptr);
        QCOMPARE(ReadAll(top.path() + "/blocker/data/Hsl.hsl"), SerializeHighScores(nowhere.book.table()));
        QCOMPARE(nowhere.names(), QString("CY,OLD,DI"));
    }
};

QTEST_MAIN(ScoreBookTest)
#include "test_score_book.moc"

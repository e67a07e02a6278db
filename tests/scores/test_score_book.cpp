// SPDX-License-Identifier: GPL-3.0-or-later
// The high score table as the player meets it: the end of a game, the name prompt, the window,
// a second copy of the game, and a folder or file the game must not write.
#include "HighScoreBook.h"
#include "HighScoreCodec.h"
#include "HighScoreFrm.h"
#include "ScoreTestFolders.h"
#include "TestSupport.h"
#include "Twips.h"

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace tintrix;
using namespace tintrix::test;

namespace {

const QByteArray kFullFile = "A\r\n 500 \r\n 9 \r\nB\r\n 400 \r\n 8 \r\nC\r\n 300 \r\n 7 \r\n"
                             "D\r\n 200 \r\n 6 \r\nE\r\n 100 \r\n 5 \r\n";

// A book on a fresh program folder whose prompt answers from a list and whose notices are kept.
struct Game {
    explicit Game(QString folder = {}) : programFolder(folder.isEmpty() ? dir.path() : folder)
    {
        book.setFallbackFolder(dir.path() + "/user");
        book.setNamePrompt([this](QWidget*) { return ++asked, answers.isEmpty() ? QString() : answers.takeFirst(); });
        book.setNotice([this](QWidget*, const QString& text) { notices << text; });
    }
    QByteArray file() const { return ReadAll(programFolder + "/Hsl.hsl"); }
    QString names() const
    {
        QStringList names;
        for (int i = 1; i <= book.table().HighScoreCount; ++i)
            names << book.table().place(i).Name;
        return names.join(',');
    }

    QTemporaryDir dir;
    QString programFolder;
    HighScoreBook book{programFolder};
    QStringList answers;
    int asked = 0;
    QStringList notices;
};

// What is under a name, as far as a save could change it: a link and what it points to, a
// folder's entries, a file's owner, mode and bytes.
QString snapshot(const QString& path)
{
    const QFileInfo info(path);
    if (info.isSymLink())
        return "link to " + info.symLinkTarget() + ": " + snapshot(info.symLinkTarget());
    if (info.isDir())
        return "folder of " + QDir(path).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).join(',');
    if (!info.exists())
        return "nothing";
    return QString("file of %1, mode %2, %3 bytes: ")
               .arg(info.ownerId())
               .arg(int(info.permissions()), 0, 16)
               .arg(info.size())
        + ReadAll(path).toHex();
}

// Opens the table window, lets check look at it, then closes it with the given button.
void inspectWindow(const HighScoreBook& book, const QString& button, const std::function<void(HighScoreFrm&)>& check)
{
    ModalAnswerer answerer([&](QWidget* w) {
        auto* frm = qobject_cast<HighScoreFrm*>(w);
        if (frm)
            check(*frm);
        return ClickButton(w, button);
    });
    book.ShowHighScores(nullptr);
    QCOMPARE(answerer.answered(), 1);
}

} // namespace

class ScoreBookTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { PrepareTestEnvironment(); }

    // No file: five empty rows and no file made by loading; the first positive score asks
    // once and creates the file with that one entry.
    void firstGameCreatesTheFile()
    {
        Game game;
        game.book.LoadHighScores();
        inspectWindow(game.book, "OK", [](HighScoreFrm& frm) {
            for (int i = 1; i <= 5; ++i)
                QVERIFY((frm.NameLbl[i]->text() + frm.ScoreLbl[i]->text() + frm.LevelTxt[i]->text()).isEmpty());
        });
        QVERIFY(!QFile::exists(game.dir.path() + "/Hsl.hsl"));
        game.answers << "ann";
        game.book.RecordHighScore(40, 3, nullptr);
        QCOMPARE(game.asked, 1);
        QCOMPARE(game.file(), QByteArray("ANN\r\n 40 \r\n 3 \r\n"));
        QVERIFY(game.notices.isEmpty());
    }

    // A score of 0 asks nothing and leaves the file alone, whether there is one or not.
    void scoreZeroChangesNothing()
    {
        Game game;
        game.book.RecordHighScore(0, 4, nullptr);
        QVERIFY(!QFile::exists(game.dir.path() + "/Hsl.hsl"));
        QVERIFY(WriteAll(game.dir.path() + "/Hsl.hsl", "X\r\n-5 \r\n 1 \r\n"));
        game.book.LoadHighScores();
        game.book.RecordHighScore(0, 4, nullptr);
        QCOMPARE(game.asked, 0);
        QCOMPARE(game.file(), QByteArray("X\r\n-5 \r\n 1 \r\n"));
    }

    // The name is asked again while longer than 12 characters; empty answers record an empty
    // name (an empty line in the file); lower case is kept as upper case.
    void nameIsAskedUntilItFits_data()
    {
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<int>("asked");
        QTest::addColumn<QByteArray>("nameLine");
        QTest::newRow("13 then 12 characters") << QStringList{"abcdefghijklm", "abcdefghijkl"} << 2 << QByteArray("ABCDEFGHIJKL");
        QTest::newRow("too long twice") << QStringList{"thirteen char", "fourteen chars", "ok"} << 3 << QByteArray("OK");
        QTest::newRow("empty") << QStringList{""} << 1 << QByteArray("");
        QTest::newRow("lower case") << QStringList{"Zoë o'neil"} << 1 << QByteArray("ZOË O'NEIL");
        QTest::newRow("12 sharp s, 24 letters in upper case") << QStringList{"ßßßßßßßßßßßß", "ßßßßßß"} << 2 << QByteArray("SSSSSSSSSSSS");
    }
    void nameIsAskedUntilItFits()
    {
        Game game;
        QFETCH(QStringList, answers);
        game.answers = answers;
        game.book.RecordHighScore(150, 7, nullptr);
        QFETCH(int, asked);
        QFETCH(QByteArray, nameLine);
        QCOMPARE(game.asked, asked);
        QCOMPARE(game.file(), nameLine + "\r\n 150 \r\n 7 \r\n");
    }

    // With 500, 400, 300, 200, 100 in the file: 100 does not enter (no prompt, file untouched),
    // 101 replaces the fifth, 300 goes above the old 300 and 100 drops out.
    void fullTableTakesOnlyBetterScores_data()
    {
        QTest::addColumn<qint32>("score");
        QTest::addColumn<QString>("names");
        QTest::newRow("100") << 100 << "A,B,C,D,E";
        QTest::newRow("101") << 101 << "A,B,C,D,NEW";
        QTest::newRow("300") << 300 << "A,B,NEW,C,D";
    }
    void fullTableTakesOnlyBetterScores()
    {
        Game game;
        QVERIFY(WriteAll(game.dir.path() + "/Hsl.hsl", kFullFile));
        game.book.LoadHighScores();
        game.answers << "new";
        QFETCH(qint32, score);
        game.book.RecordHighScore(score, 20, nullptr);
        QFETCH(QString, names);
        QCOMPARE(game.names(), names);
        QCOMPARE(game.asked, names.contains("NEW") ? 1 : 0);
        QCOMPARE(game.file(), SerializeHighScores(game.book.table()));
    }

    // Two qualifying games in one run both end up in the file, and the window shows them with
    // the level being played when each game ended.
    void twoGamesInOneRunAreBothShown()
    {
        Game game;
        game.book.LoadHighScores();
        game.answers << "first" << "second";
        game.book.RecordHighScore(150, 12, nullptr);
        game.book.RecordHighScore(-20, 1, nullptr); // cannot fill an empty place
        game.book.RecordHighScore(900, 36, nullptr);
        QCOMPARE(game.file(), QByteArray("SECOND\r\n 900 \r\n 36 \r\nFIRST\r\n 150 \r\n 12 \r\n"));
        inspectWindow(game.book, "Cancel", [](HighScoreFrm& frm) {
            QCOMPARE(frm.windowTitle(), QString("Top Scores"));
            QVERIFY(frm.findChild<QLabel*>("lblTitle")->text() == "TOP PLAYERS");
            QCOMPARE(frm.NameLbl[2]->text(), QString("FIRST"));
            QCOMPARE(frm.ScoreLbl[2]->text(), QString("150"));
            QCOMPARE(frm.LevelTxt[2]->text(), QString("LEVEL 12"));
            QVERIFY(frm.NameLbl[3]->text().isEmpty());
            for (int i = 1; i <= 5; ++i)
                QCOMPARE(frm.LevelTxt[i]->y(), Twips(720 + 360 * (i - 1)));
            QVERIFY(frm.Command1->y() > frm.LevelTxt[5]->y());
        });
    }

    // The real prompt: its title, text and empty default; a 13-character answer brings it back;
    // Cancel records an empty name.
    void realPromptIsAnswered()
    {
        QTemporaryDir dir;
        HighScoreBook book(dir.path());
        QStringList seen;
        const QStringList typed{"thirteen char", "ann", "ignored"};
        ModalAnswerer answerer([&](QWidget* w) {
            auto* dialog = qobject_cast<QInputDialog*>(w);
            if (!dialog)
                return true;
            seen << dialog->windowTitle() + '|' + dialog->labelText() + '|' + dialog->textValue();
            dialog->setTextValue(typed[seen.size() - 1]);
            ClickButton(dialog, seen.size() < 3 ? "OK" : "Cancel");
            return seen.size() == 3;
        });
        book.RecordHighScore(50, 2, nullptr);
        book.RecordHighScore(40, 2, nullptr);
        QCOMPARE(seen, QStringList(3, "New High Score|Enter your name (1-12 char).|"));
        QCOMPARE(ReadAll(dir.path() + "/Hsl.hsl"), QByteArray("ANN\r\n 50 \r\n 2 \r\n\r\n 40 \r\n 2 \r\n"));
    }

    // The widest scores and levels the file can hold show in full, each in its own column and
    // row and inside the window, at any font size.
    void widestNumbersShowInFull_data()
    {
        QTest::addColumn<int>("pointSize");
        for (int size : {8, 12, 20})
            QTest::addRow("%d points", size) << size;
    }
    void widestNumbersShowInFull()
    {
        QFETCH(int, pointSize);
        const QFont normal = QApplication::font();
        QFont font = normal;
        font.setPointSize(pointSize);
        QApplication::setFont(font);
        Game game;
        QVERIFY(WriteAll(game.programFolder + "/Hsl.hsl", "MAX\r\n 2147483647 \r\n 2147483647 \r\nEIGHTS\r\n 1888888888 \r\n 36 \r\n"
                                                          "MIN\r\n-2147483648 \r\n-2147483648 \r\n"));
        game.book.LoadHighScores();
        inspectWindow(game.book, "OK", [](HighScoreFrm& frm) {
            QCOMPARE(frm.ScoreLbl[1]->text(), QString("2147483647"));
            for (int i = 1; i <= 3; ++i) {
                for (const QLabel* label : {frm.ScoreLbl[i], frm.LevelTxt[i]}) {
                    const QSize text = label->fontMetrics().size(0, label->text());
                    QVERIFY2(label->width() >= text.width() && label->height() >= text.height(), qPrintable(label->text()));
                }
                QVERIFY(frm.ScoreLbl[i]->geometry().right() < frm.LevelTxt[i]->x());
                QVERIFY(frm.LevelTxt[i]->geometry().right() < frm.width());
                QVERIFY(frm.LevelTxt[i]->geometry().bottom() < (i < 5 ? frm.LevelTxt[i + 1]->y() : frm.Command1->y()));
            }
        });
        QApplication::setFont(normal);
    }

    // Something under the file's name that the game did not write, cannot read, or must not
    // write through is left exactly as it is, and so is a folder that cannot be written: the
    // scores go to the user's folder, and the notice says truthfully why.
    void strangeFilesAreLeftAsTheyAre_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("why"); // %1: the file's path
        QTest::addColumn<QString>("names");
        const QString link = "%1 is a link and was left unchanged.", other = "%1 is not a high score file and was left unchanged.";
        QTest::newRow("link to a high score file") << "link" << link << "ANN";
        QTest::newRow("link to a file of another owner") << "link to another owner's file" << link << "ANN";
        QTest::newRow("link to nothing") << "dangling link" << link << "ANN";
        QTest::newRow("write-only file") << "write-only" << "%1 cannot be read and was left unchanged." << "ANN";
        QTest::newRow("binary junk") << "binary" << other << "ANN";
        QTest::newRow("some other text file") << "text" << other << "ANN";
        QTest::newRow("text file past the size read") << "large" << other << "ANN";
        QTest::newRow("folder") << "folder" << "%1 is a folder." << "ANN";
        QTest::newRow("read-only folder") << "read-only folder" << "The game's folder cannot be written." << "ANN,OLD";
    }
    void strangeFilesAreLeftAsTheyAre()
    {
        QFETCH(QString, kind);
        QTemporaryDir top;
        const QString program = top.path() + "/game", file = program + "/Hsl.hsl", target = top.path() + "/target";
        QVERIFY(QDir().mkpath(program));
        QByteArray text;
        for (int i = 0; i < 3 * kHighScoreFileMaxBytes / 64; ++i)
            text += "user" + QByteArray::number(i) + ":x:" + QByteArray::number(1000 + i) + ":100::/home:/bin/sh\n";
        if (kind == "link")
            QVERIFY(WriteAll(target, kFullFile) && QFile::link(target, file));
        if (kind == "link to another owner's file") {
            QVERIFY(WriteAll(target, text.first(200)) && QFile::link(target, file));
            if (geteuid() == 0)
                QCOMPARE(chown(qPrintable(target), 65534, 65534), 0);
        }
        if (kind == "dangling link")
            QVERIFY(QFile::link(target, file));
        if (kind == "write-only")
            QVERIFY(WriteAll(file, kFullFile) && QFile::setPermissions(file, QFile::WriteOwner));
        if (kind == "binary") {
            QByteArray junk;
            for (int i = 0; i < 1024; ++i)
                junk += char(i * 7);
            QVERIFY(WriteAll(file, junk));
        }
        if (kind == "text" || kind == "large")
            QVERIFY(WriteAll(file, kind == "text" ? text.first(200) : text));
        if (kind == "folder")
            QVERIFY(QDir().mkpath(file) && WriteAll(file + "/inside", "x"));
        if (kind == "read-only folder") {
            QVERIFY(WriteAll(file, "OLD\r\n 250 \r\n 3 \r\n"));
            QVERIFY(QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner));
        }
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
        QFETCH(QString, names);
        QCOMPARE(game.names(), names);
        const QString fallback = game.dir.path() + "/user/Hsl.hsl";
        QCOMPARE(ReadAll(fallback), SerializeHighScores(game.book.table()));
        QFETCH(QString, why);
        QCOMPARE(game.notices, QStringList{why.replace("%1", file) + " The high scores are kept in " + fallback + '.'});
    }

    // A damaged file is replaced by the table it held only once it is kept, whole, as
    // Hsl.hsl.bak, in place of an older backup; a link by that name is replaced, not followed.
    // The file the game then writes is replaced without a backup.
    void damagedFileIsKeptAsABackup_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("names");
        const QByteArray a = "A\r\n 500 \r\n 9 \r\n";
        QTest::newRow("junk line and an unfinished entry") << "JUNK\r\n" + a + "B\r\n 40" << "A,ANN,BO";
        QTest::newRow("100 KB of junk after an entry") << a + QByteArray(100 * 1024, '#') << "A,ANN,BO";
        QByteArray seven;
        for (int i = 7; i >= 1; --i)
            seven += "E" + QByteArray::number(i) + "\r\n " + QByteArray::number(10 * i) + " \r\n 1 \r\n";
        QTest::newRow("seven entries") << seven << "ANN,BO,E7,E6,E5";
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
        QCOMPARE(ReadAll(backup), bytes);
        QCOMPARE(ReadAll(game.dir.path() + "/mine"), QByteArray("mine"));
        game.book.RecordHighScore(200, 4, nullptr);
        QCOMPARE(ReadAll(backup), bytes);
        QFETCH(QString, names);
        QCOMPARE(game.names(), names);
        QCOMPARE(game.file(), SerializeHighScores(game.book.table()));
        QVERIFY(game.notices.isEmpty());
    }

    // A second copy of the game saves while this one waits for the player's name: both
    // entries survive, in rank order, with nothing doubled.
    void secondCopySavingMeanwhileKeepsBothEntries()
    {
        Game mine, other(mine.dir.path());
        QVERIFY(WriteAll(mine.dir.path() + "/Hsl.hsl", "OLD\r\n 250 \r\n 3 \r\n"));
        mine.book.LoadHighScores();
        other.book.LoadHighScores();
        other.answers << "other" << "again";
        mine.book.setNamePrompt([&](QWidget*) {
            other.book.RecordHighScore(200, 8, nullptr);
            return QString("mine");
        });
        mine.book.RecordHighScore(300, 9, nullptr);
        QCOMPARE(mine.names(), QString("MINE,OLD,OTHER"));
        QCOMPARE(mine.file(), SerializeHighScores(mine.book.table()));
        other.book.RecordHighScore(260, 9, nullptr); // and the other copy sees this one's entry
        QCOMPARE(other.names(), QString("MINE,AGAIN,OLD,OTHER"));
    }

    // A folder that cannot be written: the scores go to the user's folder, the player is told
    // once per run, nothing is lost, and the next start reads that folder first.
    void unwritableFolderSavesToTheUserFolder()
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
        QVERIFY(game.notices[0].contains(game.dir.path() + "/user/Hsl.hsl"));
        QCOMPARE(ReadAll(program + "/Hsl.hsl"), QByteArray("OLD\r\n 250 \r\n 3 \r\n"));

        HighScoreBook nextStart(program);
        nextStart.setFallbackFolder(game.dir.path() + "/user");
        nextStart.LoadHighScores();
        QCOMPARE(nextStart.table(), game.book.table());
        QCOMPARE(game.names(), QString("ANN,OLD,BO"));
    }

    // Nowhere to save: the player is told, the entry stays in the table, and it is saved with
    // the next high score once a folder can take it.
    void failedSaveKeepsTheEntry()
    {
        QTemporaryDir top;
        Game game(UnwritableFolder(top.path()));
        game.book.setFallbackFolder(UncreatableFolder(top.path()));
        game.answers << "ann" << "bo";
        game.book.RecordHighScore(300, 4, nullptr);
        QCOMPARE(game.notices.size(), 1);
        QCOMPARE(game.names(), QString("ANN"));

        QVERIFY(QFile::remove(top.path() + "/blocker"));
        game.book.RecordHighScore(100, 2, nullptr);
        QCOMPARE(ReadAll(top.path() + "/blocker/data/Hsl.hsl"), SerializeHighScores(game.book.table()));
        QCOMPARE(game.names(), QString("ANN,BO"));
    }
};

QTEST_MAIN(ScoreBookTest)
#include "test_score_book.moc"

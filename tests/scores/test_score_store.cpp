// SPDX-License-Identifier: GPL-3.0-or-later
// The high score file on disk: what is read, how a save merges and replaces, where it falls back.
#include "HighScoreCodec.h"
#include "HighScoreStore.h"
#include "ScoreTestFolders.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace tintrix;
using namespace tintrix::test;

namespace {

const QByteArray kAnneFile = "ANNE\r\n 300 \r\n 9 \r\n";

QString fileIn(const QString& folder) { return folder + "/Hsl.hsl"; }

} // namespace

class ScoreStoreTest : public QObject {
    Q_OBJECT
private slots:
    // No file is an empty table, and reading creates nothing.
    void missingFileIsAnEmptyTable()
    {
        QTemporaryDir dir;
        const HighScoreStore store(dir.path(), dir.path() + "/user");
        QCOMPARE(store.read(), HighScoreTable{});
        QVERIFY(QDir(dir.path()).isEmpty());
    }

    // A pipe or a folder under the file's name is not read, at once instead of blocking the
    // start-up; a save with either in the way goes to the per-user folder and says why.
    void otherThingsUnderTheNameAreNotRead()
    {
        QTemporaryDir dir;
        const HighScoreStore store(dir.path(), dir.path() + "/user");
        QCOMPARE(mkfifo(qPrintable(fileIn(dir.path())), 0600), 0);
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!store.read());
        QVERIFY(clock.elapsed() < 1000);
        QCOMPARE(store.save({{5, "X", 1}}, {}).obstacle, HighScoreStore::Obstacle::NotScores);

        QVERIFY(QFile::remove(fileIn(dir.path() + "/user")));
        QFile::remove(fileIn(dir.path()));
        QVERIFY(QDir(dir.path()).mkdir("Hsl.hsl"));
        QVERIFY(!store.read());
        const HighScoreStore::SaveResult saved = store.save({{5, "X", 1}}, {});
        QCOMPARE(saved.where, HighScoreStore::Where::FallbackFolder);
        QCOMPARE(saved.obstacle, HighScoreStore::Obstacle::Folder);
    }

    // A save starts from the file as it is now (another copy may have written it), ranks the
    // new entries in, and leaves only the file: no lock, no temporary file, and no leftover of
    // a copy killed while saving.
    void saveMergesWithTheFileAsItIsNow()
    {
        QTemporaryDir dir;
        const HighScoreStore store(dir.path(), dir.path() + "/user");
        QVERIFY(WriteAll(fileIn(dir.path()), kAnneFile));
        QVERIFY(WriteAll(fileIn(dir.path()) + ".Ab1XyZ", "half a sa"));
        QVERIFY(WriteAll(dir.path() + "/notes.txt", "kept"));
        const HighScoreTable stale = RankedTable({{999, "GONE", 1}});

        const HighScoreStore::SaveResult saved = store.save({{400, "BEN", 2}, {300, "CY", 3}}, stale);
        QCOMPARE(saved.where, HighScoreStore::Where::ProgramFolder);
        QCOMPARE(saved.file, fileIn(dir.path()));
        QCOMPARE(ReadAll(saved.file), "BEN\r\n 400 \r\n 2 \r\nCY\r\n 300 \r\n 3 \r\n" + kAnneFile);
        QCOMPARE(saved.table, ParseHighScores(ReadAll(saved.file)));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), (QStringList{"Hsl.hsl", "notes.txt"}));
    }
};

QTEST_GUILESS_MAIN(ScoreStoreTest)
#include "test_score_store.moc"

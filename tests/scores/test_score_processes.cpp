// SPDX-License-Identifier: GPL-3.0-or-later
// Real copies of the game saving at once, and one killed in the middle of saving.
#include "HighScoreCodec.h"
#include "ScoreTestFolders.h"

#include <QDateTime>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace tintrix;
using namespace tintrix::test;

class ScoreProcessesTest : public QObject {
    Q_OBJECT
private slots:
    // Copies started at the same moment, each saving two games: every copy's entries are in
    // the file afterwards, none lost to another copy's save.
    void copiesSavingAtOnceKeepAllEntries()
    {
        for (int round = 0; round < 4; ++round) {
            QTemporaryDir dir;
            const QString start = QString::number(QDateTime::currentMSecsSinceEpoch() + 300);
            QList<QProcess*> copies;
            const QList<QStringList> games{{"A", "40", "10"}, {"B", "30", "20"}, {"C", "5"}};
            for (const QStringList& game : games) {
                auto* copy = new QProcess(this);
                copy->start(SCORES_WRITER, QStringList{"record", dir.path(), game[0], start} + game.mid(1));
                copies << copy;
            }
            for (QProcess* copy : copies) {
                QVERIFY(copy->waitForFinished(10000));
                QCOMPARE(copy->exitCode(), 0);
                delete copy;
            }
            const HighScoreTable table = ParseHighScores(ReadAll(dir.path() + "/Hsl.hsl"));
            QCOMPARE(table, RankedTable({{40, "A", 1}, {30, "B", 1}, {20, "B", 2}, {10, "A", 2}, {5, "C", 1}}));
        }
    }

    // A copy killed at random moments while saving over and over leaves a whole file every
    // time, never a mixture or a stub, and the next copy still saves despite the lock it left
    // (at once when the lock names the dead process; a lock killed before it was written is
    // taken over a second after). Replay a failure with SCORES_SEED.
    void killedWhileSavingLeavesAWholeFile()
    {
        bool replay = false;
        const int given = qEnvironmentVariableIntValue("SCORES_SEED", &replay);
        const int seed = replay ? given : QRandomGenerator::global()->bounded(1 << 30);
        qInfo("seed %d", seed);
        QRandomGenerator random(seed);
        QTemporaryDir dir;
        const QString file = dir.path() + "/Hsl.hsl";
        qint32 best = 0;
        for (int kill = 0; kill < 15; ++kill) {
            QProcess copy;
            copy.start(SCORES_WRITER, {"churn", dir.path()});
            QVERIFY(copy.waitForStarted());
            QTest::qWait(random.bounded(20, 60));
            copy.kill();
            QVERIFY(copy.waitForFinished());
            const QByteArray bytes = ReadAll(file);
            const HighScoreTable table = ParseHighScores(bytes);
            QVERIFY2(SerializeHighScores(table) == bytes, bytes.constData());
            // Each copy starts from the file and only adds: the best score never goes back.
            const qint32 top = table.HighScoreCount ? table.place(1).Score : 0;
            QVERIFY(top >= best);
            best = top;
        }
        QVERIFY(best > 0);

        QProcess last;
        last.start(SCORES_WRITER, {"record", dir.path(), "LAST", "0", QString::number(best + 1)});
        QVERIFY(last.waitForFinished(15000));
        QCOMPARE(ParseHighScores(ReadAll(file)).place(1).Name, QString("LAST"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Hsl.hsl"});
    }
};

QTEST_GUILESS_MAIN(ScoreProcessesTest)
#include "test_score_processes.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// The real program killed with SIGKILL at any moment of a scripted tournament, again and
// again: at random times, while its pegs drop and in the middle of a save. Each restart must
// find a whole save, exactly the last one written (or the one being written), and resume it.
#include "Game.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <future>
#include <map>
#include <set>

using namespace tintrix;
using namespace tintrix::test;

namespace {

constexpr int kLanes = 3;        // players killed side by side, each in its own data folder
constexpr int kKillsPerLane = 40;
const QByteArray kAbsent = "(no file)";

QByteArray OneLine(const std::optional<SavedGame>& game)
{
    return game ? QByteArray::fromStdString(EncodeSavedGame(*game)).replace('\n', '|') : QByteArray("none");
}

QByteArray FileState(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll().replace('\n', '|') : kAbsent;
}

/** What a start with this file must resume: the same tournament, a check under way finished;
 *  nothing for no file or a game over. Empty for a file that is not a whole save. */
QByteArray ExpectedStart(const QByteArray& state)
{
    if (state == kAbsent)
        return "rest";
    const QByteArray bytes = QByteArray(state).replace('|', '\n');
    const DecodedGame decoded = DecodeSavedGame(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    if (!decoded.game)
        return {};
    if (decoded.game->stage == SavedStage::Over)
        return "rest";
    Game game([] { return 0.5f; });
    game.OpenLevel(1);
    if (!game.Resume(*decoded.game))
        return {};
    return "resumed " + OneLine(game.Saved());
}

/** What one lane of kills saw. */
struct Lane {
    QString failure; ///< empty while every restart was consistent
    std::map<QString, int> kills;
    int resumed = 0;
    int endedGames = 0;
};

#define LANE_CHECK(condition, what)                                                                                  \
    if (!(condition))                                                                                                \
        return lane.failure = QString("kill %1: %2").arg(kill).arg(what), lane;

/** Starts the player again and again in one data folder, each start killed in one of three
 *  ways in turn, and checks each start and the file each kill leaves. */
Lane RunLane(quint32 seed)
{
    Lane lane;
    QRandomGenerator random(seed);
    QTemporaryDir data, scratch; // scratch: the program folders the killed players leave
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("TMPDIR", scratch.path());
    const QString file = data.filePath("tournament.sav");
    for (int kill = 0; kill < kKillsPerLane; ++kill) {
        QStringList args{"play", data.path(), QString::number(random.generate())};
        const QString how = QStringList{"time", "peg", "save"}[kill % 3];
        if (how == "peg")
            args << "peg" << QString::number(random.bounded(1, 20));
        else if (how == "save")
            args << "save" << QString::number(random.bounded(1, 40));
        const QByteArray before = FileState(file);
        const QByteArray expected = ExpectedStart(before);
        LANE_CHECK(!expected.isEmpty(), "not a whole save: " + before);
        QProcess player;
        player.setProcessEnvironment(environment);
        player.start(TOURNAMENT_PLAYER, args);
        LANE_CHECK(player.waitForStarted(), "no start");
        if (how == "time") {
            QThread::msleep(random.bounded(200, 2000));
            player.kill();
        }
        LANE_CHECK(player.waitForFinished(60000) && player.exitStatus() == QProcess::CrashExit, "not killed");
        // What the file may hold now: the state it had, then after every save (K) or removal
        // (R) the new one, and the one being written (W) when the kill came.
        std::set<QByteArray> allowed{before};
        bool started = false;
        for (const QByteArray& line : player.readAllStandardOutput().split('\n')) {
            LANE_CHECK(!line.startsWith("message:"), line);
            if (line == "rest" || line.startsWith("resumed ")) {
                LANE_CHECK(line == expected, "resumed " + line + "\n  from " + before);
                started = true;
                lane.resumed += line != "rest";
            } else if (line.startsWith("W ")) {
                allowed.insert(line == "W -" ? kAbsent : line.mid(2));
            } else if (line.startsWith("K ")) {
                allowed = {line.mid(2)};
                lane.endedGames += line.contains("stage over");
            } else if (line == "R") {
                allowed = {kAbsent};
            }
        }
        LANE_CHECK(allowed.count(FileState(file)), "left " + FileState(file));
        lane.kills[started ? how : "start-up"] += 1;
    }
    // No temporary file left over, nothing moved aside as untrusted.
    for (const QString& name : QDir(data.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot))
        if (name != "tournament.sav" && name != "tournament.sav.lock")
            lane.failure = "left over: " + name;
    return lane;
}

} // namespace

class TournamentKillsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { PrepareTestEnvironment(); }

    // Replay a failure with KILLS_SEED.
    void everyRestartResumesTheLastSave()
    {
        bool replay = false;
        const int given = qEnvironmentVariableIntValue("KILLS_SEED", &replay);
        const int seed = replay ? given : QRandomGenerator::global()->bounded(1 << 30);
        qInfo("seed %d", seed);
        std::vector<std::future<Lane>> running;
        for (int i = 0; i < kLanes; ++i)
            running.push_back(std::async(std::launch::async, RunLane, quint32(seed + i)));
        Lane total;
        for (auto& r : running) {
            const Lane lane = r.get();
            QVERIFY2(lane.failure.isEmpty(), qPrintable(lane.failure));
            for (const auto& [how, n] : lane.kills)
                total.kills[how] += n;
            total.resumed += lane.resumed;
            total.endedGames += lane.endedGames;
        }
        qInfo("kills at random times %d, in the peg drop %d, in a save %d, during start-up %d; resumed %d, games ended %d",
              total.kills["time"], total.kills["peg"], total.kills["save"], total.kills["start-up"], total.resumed,
              total.endedGames);
        QVERIFY(total.resumed > kLanes * kKillsPerLane / 2 && total.endedGames > 0);
    }
};

QTEST_GUILESS_MAIN(TournamentKillsTest)
#include "test_tournament_kills.moc"

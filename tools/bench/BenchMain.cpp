// SPDX-License-Identifier: GPL-3.0-or-later
// In-process benchmarks of the game, run by scripts/bench.sh on a virtual X display. The
// board is built exactly as the program builds it, with the real sound system, in a
// temporary program folder (so no score file lands in the build), and driven through the
// board's own handlers. Figures are printed as "key value" lines, times in milliseconds.
//
//   tintrix_bench memory [levels] [timescale] [size]
//                                              a scripted tournament with music on, the board
//                                              at the given size (1 to 3); peak RSS
//   tintrix_bench pegs [checks]                six-peg checks: peg intervals, input latency
//   tintrix_bench openlevel [times]            OpenLevel of the largest level
#include "Form1.h"
#include "TournamentKeeper.h"
#include "InputProbe.h"
#include "Masterfrm.h"
#include "PegClock.h"
#include "Startup.h"
#include "SoundModule.h"
#include "GameSound.h"
#include "SavedGame.h"
#include "TournamentStore.h"

// Qt
#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>

// Std
#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>
#include <vector>

#include <sys/resource.h>

namespace tintrix::bench {

namespace {

const char* const kMedia[] = {"Change.wav", "DropPeg.wav", "Gling.wav", "redo.wav", "Airy.mid", "tintrix.hlp", kSoundModuleName};

void print(const char* key, double value) { std::printf("%s %.3f\n", key, value); }

/** Processes events for ms milliseconds. */
void pump(int ms)
{
    QDeadlineTimer deadline(ms);
    while (!deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, int(std::max<qint64>(1, deadline.remainingTime())));
}

/** Processes events until the board rests: no check running, no window over it. */
void settle(const Form1& board)
{
    QDeadlineTimer deadline(60000);
    auto resting = [&board] {
        const Phase p = board.game().phase();
        return !QApplication::activeModalWidget() && (p == Phase::Playing || p == Phase::Idle);
    };
    while (!resting() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
}

/** Answers the modal windows a tournament opens, as a player would: OK on the reveal window,
 *  a name for the high score. The level banners close by themselves. */
class ModalAnswerer {
public:
    ModalAnswerer()
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { answer(); });
        m_timer.start();
    }

private:
    // Every visible window of those kinds is answered, whichever of them Qt counts as the
    // active modal one at that moment. The answer is queued: what it sets off (the reveal
    // window's OK leads to the name prompt) may open a modal window of its own, and a timer
    // does not fire again while its slot waits in that window's loop.
    void answer()
    {
        const QWidgetList windows = QApplication::topLevelWidgets();
        for (QWidget* window : windows) {
            if (!window->isVisible())
                continue;
            if (auto* prompt = qobject_cast<QInputDialog*>(window)) {
                prompt->setTextValue(QStringLiteral("Bench"));
                QMetaObject::invokeMethod(prompt, &QDialog::accept, Qt::QueuedConnection);
            } else if (auto* reveal = qobject_cast<Masterfrm*>(window)) {
                QMetaObject::invokeMethod(reveal->Command1, &QAbstractButton::click, Qt::QueuedConnection);
            } else if (auto* box = qobject_cast<QMessageBox*>(window)) {
                QMetaObject::invokeMethod(box, &QDialog::accept, Qt::QueuedConnection);
            } else {
                continue; // the board, and the banner and the splash, which close themselves
            }
            return; // one per tick: an answer may close or open others
        }
    }

    QTimer m_timer;
};

/** The program's start-up, run by the program's own start-up sequence in a program folder of
 *  its own, with every timer multiplied by timeScale. A kept tournament, when given, is in the
 *  data folder at start and goes on as the game resumes one. */
class Game {
public:
    explicit Game(double timeScale, const std::optional<SavedGame>& kept = std::nullopt)
    {
        const QDir built(QStringLiteral(TINTRIX_PROGRAM_DIR));
        QDir(m_folder.path()).mkpath(QStringLiteral("sound"));
        for (const char* name : kMedia)
            QFile::copy(built.filePath(QLatin1String(name)), QDir(m_folder.path()).filePath(QLatin1String(name)));
        const QDir data(QDir(m_folder.path()).filePath(QStringLiteral("data")));
        if (kept) {
            QFile file(data.filePath(QLatin1String(kTournamentFileName)));
            const std::string text = EncodeSavedGame(*kept);
            if (!data.mkpath(QStringLiteral(".")) || !file.open(QIODevice::WriteOnly)
                || file.write(text.data(), qint64(text.size())) != qint64(text.size()))
                std::printf("error the kept tournament could not be written\n");
        }

        m_program.emplace(Main(
            m_folder.path(),
            [this] {
                auto clock = std::make_unique<PegClock>(CreateGameAudio(m_folder.path()));
                m_audio = clock.get();
                return clock;
            },
            {.timeScale = timeScale}));
        board = m_program->board.get();
        // Saving on, as in the game: every change of the tournament is written at once.
        m_keeper.emplace(*board, *m_program->scores, data.path());
        m_keeper->Resume();
        pump(300);
    }

    PegClock& audio() { return *m_audio; }
    Form1* board = nullptr;

    /** Puts colours (numbers 1..ColorCount, one per hole) into the current row. */
    void enterRow(const std::vector<int>& colours)
    {
        const int row = board->game().state().CurrentRow;
        for (std::size_t hole = 0; hole < colours.size(); ++hole) {
            board->ColSelect_Click(colours[hole] - 1);
            board->Row_Click(row, int(hole));
        }
    }

    [[nodiscard]] std::vector<int> secret() const
    {
        return board->game().secret();
    }

    /** Wins the current level: one wrong row (the secret rotated), then the secret. */
    void playLevel()
    {
        const int level = board->game().state().CurrentLevel;
        std::vector<int> guess = secret();
        std::rotate(guess.begin(), guess.begin() + 1, guess.end());
        enterRow(guess);
        board->Image2_Click();
        settle(*board);
        if (board->game().state().CurrentLevel == level && board->game().running()) {
            enterRow(secret());
            board->Image2_Click();
            settle(*board);
        }
    }

private:
    QTemporaryDir m_folder;
    std::optional<Program> m_program;
    std::optional<TournamentKeeper> m_keeper;
    PegClock* m_audio = nullptr; // owned by m_program
};

void setMusic(Form1& board, bool on)
{
    QAction* item = board.findChild<QAction*>(on ? "MusicOn" : "MusicOff");
    if (!item->isChecked())
        item->trigger();
}

// ---------------------------------------------------------------------------------------------
// Peak memory of a tournament with music

int runMemory(int levels, double timeScale, double size)
{
    // The board's size as the player leaves it with Ctrl++, read when the board is made.
    QSettings settings(QCoreApplication::applicationName(), QCoreApplication::applicationName());
    settings.setValue(QStringLiteral("preferences/BoardSize"), QString::number(size));
    settings.sync();

    ModalAnswerer answerer;
    Game game(timeScale);
    setMusic(*game.board, true);
    game.board->Tournament_Click();
    settle(*game.board);
    const qint64 musicStart = game.audio().midi().position();
    int played = 0;
    while (played < levels && game.board->game().running()) {
        game.playLevel();
        ++played;
    }
    const qint64 musicEnd = game.audio().midi().position();
    if (game.board->game().running()) {
        game.board->EndGame_Click();
        settle(*game.board);
    }
    pump(200);

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    print("levels", played);
    print("music_advanced", musicEnd != musicStart ? 1 : 0);
    print("peak_rss_mb", double(usage.ru_maxrss) / 1024.0);
    return 0;
}

// ---------------------------------------------------------------------------------------------
// Feedback pegs and input latency during a check

/** A tournament at level 13, the first with six holes, just opened: levels 1 to 12 each won on
 *  their last row. */
SavedGame FirstSixHoleLevel()
{
    SavedGame kept;
    kept.level = 13;
    for (int level = 1; level < kept.level; ++level)
        kept.score += 250 * level;
    kept.secret = {1, 2, 3, 4, 5, 6};
    kept.rows = {std::vector<int>(6, 0)};
    return kept;
}

int runPegs(int checks)
{
    // Rotations by 1..5 of a secret of six different colours; a sixth would be the secret.
    checks = std::clamp(checks, 1, 5);
    ModalAnswerer answerer;
    // The first six-hole level, kept from an earlier run, checked at the game's real pace.
    Game game(1.0, FirstSixHoleLevel());
    setMusic(*game.board, true);
    Form1& board = *game.board;
    settle(board);
    pump(500);
    if (board.game().state().LastHoleIndex + 1 != 6) {
        std::printf("error no six-hole level reached\n");
        return 1;
    }

    const QWidget* status = board.findChild<QStatusBar*>("StatusBar1");
    const QRect bar = status->rect();
    const QPoint origin = status->mapToGlobal(QPoint(bar.width() / 4, bar.height() / 2));
    std::vector<double> latencies;
    int unanswered = 0;
    for (int k = 1; k <= checks; ++k) {
        // Six distinct colours, none in its own hole: six grey pegs, and the level goes on.
        std::vector<int> guess = game.secret();
        std::rotate(guess.begin(), guess.begin() + (k % 6), guess.end());
        game.enterRow(guess);
        pump(300);

        InputProbe probe(origin);
        probe.start();
        pump(50);
        game.audio().pegs.clear();
        const Clock::time_point clicked = Clock::now();
        board.Image2_Click();
        // The pegs drop on the board's timer while the window keeps answering the pointer.
        settle(board);
        const std::vector<Clock::time_point> pegs = game.audio().pegs;
        // No more moves; the window answers the last ones while events run.
        probe.finish();
        pump(100);
        probe.stop();

        if (pegs.size() != 6) {
            std::printf("error check %d gave %zu pegs\n", k, pegs.size());
            return 1;
        }
        Clock::time_point previous = clicked;
        for (const Clock::time_point peg : pegs) {
            print("peg_interval_ms", MsBetween(previous, peg));
            previous = peg;
        }
        const std::vector<double> l = probe.latenciesMs();
        latencies.insert(latencies.end(), l.begin(), l.end());
        unanswered += probe.unanswered();
    }
    print("input_events", double(latencies.size()));
    print("input_unanswered", unanswered);
    print("input_latency_max_ms", latencies.empty() ? -1 : *std::max_element(latencies.begin(), latencies.end()));
    return 0;
}

// ---------------------------------------------------------------------------------------------
// OpenLevel of the largest level (catalogue row 18: six holes, twelve rows)

int runOpenLevel(int times)
{
    Game game(1.0);
    for (int i = 0; i < times; ++i) {
        game.board->OpenLevel(1);
        pump(100);
        const Clock::time_point start = Clock::now();
        game.board->OpenLevel(18);
        print("openlevel_ms", MsBetween(start, Clock::now()));
        pump(100);
    }
    return 0;
}

} // namespace

} // namespace tintrix::bench

int main(int argc, char* argv[])
{
    using namespace tintrix::bench;
    QApplication app(argc, argv);
    // Settings of the benchmark's own name, emptied: never the player's preferences.
    QSettings(QCoreApplication::applicationName(), QCoreApplication::applicationName()).clear();

    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    auto number = [&](int index, double fallback) { return argc > index ? std::atof(argv[index]) : fallback; };
    int status = 2;
    if (mode == u"memory")
        status = runMemory(int(number(2, 36)), number(3, 0.1), number(4, 1.0));
    else if (mode == u"pegs")
        status = runPegs(int(number(2, 3)));
    else if (mode == u"openlevel")
        status = runOpenLevel(int(number(2, 5)));
    else
        std::fprintf(stderr, "usage: tintrix_bench memory [levels] [timescale] [size] | pegs [checks] | openlevel [times]\n");
    std::fflush(stdout);
    return status;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// A scripted player for the tests that start the real program in a process of its own: it
// starts the program as the game does (splash, board, the kept tournament resumed) and then
// plays tournament after tournament. It tells on standard output what it resumed and every
// save it makes, and can kill itself (SIGKILL) inside the n-th save (or removal) or at the n-th falling peg.
//
//   TournamentPlayer play <program folder> <data folder> <seed> [save <n> | peg <n>]
//   TournamentPlayer second <program folder> <data folder>   (starts, plays one peg, ends)
#include "BoardFixture.h"
#include "TournamentKeeper.h"

#include <QApplication>
#include <QStandardPaths>

#include <csignal>
#include <unistd.h>

using namespace tintrix;
using namespace tintrix::test;

namespace {

void Say(const QByteArray& line)
{
    const QByteArray text = line + '\n';
    // Straight to the file: what is said before a kill must not be lost in a buffer.
    [[maybe_unused]] const auto n = ::write(STDOUT_FILENO, text.constData(), std::size_t(text.size()));
}

QByteArray OneLine(const std::optional<SavedGame>& game)
{
    return game ? QByteArray::fromStdString(EncodeSavedGame(*game)).replace('\n', '|') : QByteArray("none");
}

/** Plays through the board's own handlers, each a player's click. */
class Player {
public:
    explicit Player(Form1& board) : m_board(board) {}

    void fill(const std::vector<int>& colours)
    {
        const int row = m_board.game().state().CurrentRow;
        for (std::size_t j = 0; j < colours.size(); ++j) {
            m_board.ColSelect_Click(colours[j] - 1);
            m_board.Row_Click(row, int(j));
        }
    }
    std::vector<int> miss() const
    {
        std::vector<int> row = m_board.game().secret();
        for (int& c : row)
            c = c % m_board.game().state().ColorCount + 1;
        return row;
    }
    void waitForRest()
    {
        if (!WaitFor([this] {
                const Phase p = m_board.game().phase();
                return !QApplication::activeModalWidget() && (p == Phase::Playing || p == Phase::Idle);
            }, 20000))
            qFatal("the board did not come to rest");
    }
    /** One step of the script: odd tournaments are lost on level 3, even ones given up on
     *  level 2; every level has a missed row first, and a row is filled peg by peg. */
    void step()
    {
        waitForRest();
        const GameState& s = m_board.game().state();
        if (m_board.game().phase() == Phase::Idle) {
            ++m_tournaments;
            m_board.Tournament_Click();
            return;
        }
        if (m_tournaments % 2 == 0 && s.CurrentLevel == 2 && s.CurrentRow == 1) {
            m_board.EndGame_Click();
            return;
        }
        const bool win = s.CurrentRow >= 1 && s.CurrentLevel < 3;
        fill(win ? m_board.game().secret() : miss());
        m_board.Image2_Click();
    }

private:
    Form1& m_board;
    int m_tournaments = 0;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    const QStringList args = app.arguments();
    if (args.size() < 4)
        return 2;
    const QString mode = args[1], programFolder = args[2], data = args[3];
    std::mt19937 engine(args.value(4).toUInt());
    const int dieAt = args.value(6).toInt();
    const QString dieIn = args.value(5);

    RecordingAudio* audio = nullptr;
    Program program = Main(programFolder, [&audio] {
        auto made = std::make_unique<RecordingAudio>();
        audio = made.get();
        return made;
    }, {.random = [&engine] { return std::uniform_real_distribution<float>(0.0f, 0.999f)(engine); }, .timeScale = 0.05});
    ModalLog log;
    ModalAnswerer answerer([&log](QWidget* w) {
        const qsizetype before = log.seen.size();
        AnswerBoardModal(w, log);
        if (log.seen.size() > before && log.seen.last().startsWith("message:"))
            Say(log.seen.last().toUtf8());
        return false;
    });
    Form1& board = *program.board;
    TournamentKeeper keeper(board, *program.scores, data);

    int saves = 0, pegs = 0;
    // The keeper writes what the game holds at the moment of writing.
    keeper.store().setHooks(
        [&] {
            const std::optional<SavedGame> saved = board.game().Saved();
            Say(saved ? "W " + OneLine(saved) : QByteArray("W -")); // - : about to remove
            if (dieIn == "save" && ++saves == dieAt)
                std::raise(SIGKILL);
        },
        [&] {
            const std::optional<SavedGame> saved = board.game().Saved();
            Say(saved ? "K " + OneLine(saved) : QByteArray("R"));
        });
    QObject::connect(&board, &Form1::soundCue, [&](SoundCue cue) {
        if (cue == SoundCue::DropPeg && dieIn == "peg" && ++pegs == dieAt)
            std::raise(SIGKILL);
    });

    const bool resumed = keeper.Resume();
    Player player(board);
    if (mode == "second") {
        Say(keeper.store().claimed() ? "claimed" : "not claimed");
        player.waitForRest();
        Say(board.game().phase() == Phase::Idle ? "at rest" : "resumed");
        board.Tournament_Click();
        player.waitForRest();
        player.fill({1});
        Say("played");
        return 0;
    }
    Say(resumed ? "resumed " + OneLine(board.game().Saved()) : QByteArray("rest"));
    for (;;)
        player.step();
}

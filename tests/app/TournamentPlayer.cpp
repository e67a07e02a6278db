// SPDX-License-Identifier: GPL-3.0-or-later
// A scripted player for the tests that start the real program in a process of its own: it
// starts the program as the game does (splash, board, the kept tournament resumed) and then
// plays tournament after tournament. It tells on standard output what it resumed, every save it
// makes and every message shown, and can kill itself (SIGKILL) inside the n-th save (or removal)
// or at the n-th falling peg.
//
//   TournamentPlayer play <data folder> <seed> [save <n> | peg <n>]
//   TournamentPlayer second <data folder>   (starts, plays one peg, ends)
#include "BoardFixture.h"
#include "TournamentKeeper.h"

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

/** Fills a row through the board's own handlers, each a player's click. */
void Fill(BoardFixture& fx, const std::vector<int>& colours)
{
    for (std::size_t j = 0; j < colours.size(); ++j) {
        fx.f().ColSelect_Click(colours[j] - 1);
        fx.f().Row_Click(fx.s().CurrentRow, int(j));
    }
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    const QStringList args = app.arguments();
    if (args.size() < 3)
        return 2;
    const QString mode = args[1], data = args[2], dieIn = args.value(4);
    const int dieAt = args.value(5).toInt();
    BoardFixture fx;
    fx.engine.seed(args.value(3).toUInt());
    qsizetype told = 0;
    const auto sayMessages = [&] {
        for (; told < fx.log.seen.size(); ++told)
            if (fx.log.seen[told].startsWith("message:"))
                Say(fx.log.seen[told].toUtf8());
    };
    TournamentKeeper keeper(fx.f(), *fx.program.scores, data);

    int saves = 0, pegs = 0;
    keeper.store().setHooks(
        [&](const SavedGame* saved) {
            Say(saved ? "W " + OneLine(*saved) : QByteArray("W -")); // - : about to remove
            if (dieIn == "save" && ++saves == dieAt)
                std::raise(SIGKILL);
        },
        [&](const SavedGame* saved) { Say(saved ? "K " + OneLine(*saved) : QByteArray("R")); });
    QObject::connect(&fx.f(), &Form1::soundCue, [&](SoundCue cue) {
        if (cue == SoundCue::DropPeg && dieIn == "peg" && ++pegs == dieAt)
            std::raise(SIGKILL);
    });

    const bool resumed = keeper.Resume();
    sayMessages();
    if (mode == "second") {
        Say(keeper.store().claimed() ? "claimed" : "not claimed");
        fx.settle();
        Say(fx.game().phase() == Phase::Idle ? "at rest" : "resumed");
        fx.f().Tournament_Click();
        fx.settle();
        Fill(fx, {1});
        Say("played");
        return 0;
    }
    Say(resumed ? "resumed " + OneLine(fx.game().Saved()) : QByteArray("rest"));
    // Odd tournaments are lost on level 3, even ones given up on level 2; every level has a
    // missed row first.
    for (int tournaments = 0;;) {
        fx.settle();
        sayMessages();
        const GameState& s = fx.s();
        if (fx.game().phase() == Phase::Idle) {
            ++tournaments;
            fx.f().Tournament_Click();
        } else if (tournaments % 2 == 0 && s.CurrentLevel == 2 && s.CurrentRow == 1) {
            fx.f().EndGame_Click();
        } else {
            Fill(fx, s.CurrentRow >= 1 && s.CurrentLevel < 3 ? fx.secret() : fx.miss());
            fx.f().Image2_Click();
        }
    }
}

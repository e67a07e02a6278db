// SPDX-License-Identifier: GPL-3.0-or-later
// The check's pace: feedback pegs one at a time, and the commands that wait for them.
#pragma once

// Qt
#include <QObject>
#include <QTimer>

#include <functional>
#include <vector>

namespace tintrix {

class Game;

/** Drops the running check's feedback pegs on a 200 ms beat and holds New Game or End Game
 *  chosen meanwhile, to run once the game has come to rest. */
class CheckPacing : public QObject {
    Q_OBJECT
public:
    CheckPacing(Game& game, double timeScale, QObject* parent = nullptr);

    /** A check has started: its pegs drop one per beat; a row that earns none ends at once. */
    void start();
    /** Peg timer: drops the next feedback peg. */
    void Timer1_Timer();
    /** Stops everything: the player has left. */
    void stop();

    /** Keeps command until the game rests: true when it was kept (a check runs). */
    bool deferred(std::function<void()> command);
    /** Runs the commands kept during the check, in order, until one shows a banner. */
    void runDeferred();
    [[nodiscard]] bool anyDeferred() const { return !m_deferred.empty(); }

signals:
    void pegDropped();
    /** The last peg has dropped: the check is to be finished. */
    void pegsDone();

private:
    Game& m_game;
    double m_timeScale;
    QTimer Timer1; // paces the feedback pegs, one every 200 ms
    std::vector<std::function<void()>> m_deferred;
    bool m_stopped = false;
};

} // namespace tintrix

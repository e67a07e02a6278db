// SPDX-License-Identifier: GPL-3.0-or-later
// The check's pace and the commands that wait for it.
#include "CheckPacing.h"

// own
#include "Game.h"
#include "TimeScale.h"

namespace tintrix {

CheckPacing::CheckPacing(Game& game, double timeScale, QObject* parent) : QObject(parent), m_game(game), m_timeScale(timeScale)
{
    // The pegs fall on a 200 ms beat; Qt's default coarse timer may fire up to 5% (10 ms) off.
    Timer1.setTimerType(Qt::PreciseTimer);
    connect(&Timer1, &QTimer::timeout, this, &CheckPacing::Timer1_Timer);
}

void CheckPacing::start()
{
    if (m_game.pegsToDrop() == 0) {
        emit pegsDone();
        return;
    }
    Timer1.start(ScaledMs(200, m_timeScale));
}

void CheckPacing::Timer1_Timer()
{
    if (m_game.DropPeg())
        emit pegDropped();
    if (m_game.pegsToDrop() == 0) {
        Timer1.stop();
        emit pegsDone();
    }
}

void CheckPacing::stop()
{
    m_stopped = true;
    Timer1.stop();
    m_deferred.clear();
}

bool CheckPacing::deferred(std::function<void()> command)
{
    if (m_game.phase() != Phase::Checking)
        return false;
    m_deferred.push_back(std::move(command));
    return true;
}

void CheckPacing::runDeferred()
{
    while (!m_deferred.empty() && !m_stopped) {
        const std::function<void()> command = m_deferred.front();
        m_deferred.erase(m_deferred.begin());
        command();
        // A command that shows a banner runs the rest once the game has come to rest again.
        if (m_game.phase() == Phase::BetweenLevels || m_game.phase() == Phase::GameOver)
            return;
    }
}

} // namespace tintrix

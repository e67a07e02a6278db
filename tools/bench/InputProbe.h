// SPDX-License-Identifier: GPL-3.0-or-later
// How quickly the program answers input: pointer moves sent through the X server from a
// thread of our own, timed until the application sees each of them.
#pragma once

#include "PegClock.h"

// Qt
#include <QObject>
#include <QPoint>

// Std
#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

namespace tintrix::bench {

/** While running, warps the pointer every periodMs along a short line of span pixels starting
 *  at origin (global coordinates, inside a window of this program), one pixel further each
 *  time. An event filter on the application notes when the matching mouse move arrives. A
 *  move that the toolkit folded into a later one counts as answered with that later one. */
class InputProbe : public QObject {
public:
    InputProbe(QPoint origin, int span = 32, int periodMs = 10);
    ~InputProbe() override;

    void start();
    /** Sends no more moves; returns at once, so that events keep running meanwhile. */
    void finish() { m_running = false; }
    /** Waits for the sending thread to end. */
    void stop();

    /** For every move sent, the milliseconds until it was answered; unanswered ones are left out. */
    [[nodiscard]] std::vector<double> latenciesMs() const;
    [[nodiscard]] int unanswered() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void run();

    const QPoint m_origin;
    const int m_span;
    const int m_periodMs;
    std::thread m_thread;
    std::atomic<bool> m_running{false};

    mutable std::mutex m_mutex;
    std::vector<Clock::time_point> m_sent;     // by sequence number
    std::vector<Clock::time_point> m_answered; // by sequence number, once answered
};

} // namespace tintrix::bench

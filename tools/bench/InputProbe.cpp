// SPDX-License-Identifier: GPL-3.0-or-later
#include "InputProbe.h"

// Qt
#include <QCoreApplication>
#include <QMouseEvent>

// X11: a connection of the probe's own, used by its thread only.
#include <X11/Xlib.h>

namespace tintrix::bench {

InputProbe::InputProbe(QPoint origin, int span, int periodMs)
    : m_origin(origin), m_span(span), m_periodMs(periodMs)
{
    QCoreApplication::instance()->installEventFilter(this);
}

InputProbe::~InputProbe()
{
    stop();
    QCoreApplication::instance()->removeEventFilter(this);
}

void InputProbe::start()
{
    if (m_running.exchange(true))
        return;
    m_thread = std::thread([this] { run(); });
}

void InputProbe::stop()
{
    m_running = false;
    if (m_thread.joinable())
        m_thread.join();
}

void InputProbe::run()
{
    Display* dpy = XOpenDisplay(nullptr);
    if (!dpy)
        return;
    const Window root = DefaultRootWindow(dpy);
    // Start beside the line: the first timed move must really move the pointer, or the X
    // server would send nothing for it.
    XWarpPointer(dpy, None, root, 0, 0, 0, 0, m_origin.x() - 1, m_origin.y());
    XSync(dpy, False);
    auto next = Clock::now();
    while (m_running) {
        std::size_t seq = 0;
        {
            std::lock_guard lock(m_mutex);
            seq = m_sent.size();
            m_sent.push_back(Clock::now());
        }
        const int x = m_origin.x() + int(seq % std::size_t(m_span));
        XWarpPointer(dpy, None, root, 0, 0, 0, 0, x, m_origin.y());
        XFlush(dpy);
        next += std::chrono::milliseconds(m_periodMs);
        std::this_thread::sleep_until(next);
    }
    XCloseDisplay(dpy);
}

bool InputProbe::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::MouseMove)
        return QObject::eventFilter(watched, event);
    const Clock::time_point now = Clock::now();
    const QPoint at = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
    const int offset = at.x() - m_origin.x();
    if (at.y() != m_origin.y() || offset < 0 || offset >= m_span)
        return false;

    // The newest move sent to this pixel is the one that arrived; it also answers every
    // older move still waiting. The same event reaches the filter once per receiver, and
    // only its first arrival counts.
    std::lock_guard lock(m_mutex);
    if (m_sent.empty())
        return false;
    std::size_t seq = m_sent.size() - 1;
    while (seq % std::size_t(m_span) != std::size_t(offset)) {
        if (seq == 0)
            return false;
        --seq;
    }
    for (std::size_t i = m_answered.size(); i <= seq; ++i)
        m_answered.push_back(now);
    return false;
}

std::vector<double> InputProbe::latenciesMs() const
{
    std::lock_guard lock(m_mutex);
    std::vector<double> out;
    for (std::size_t i = 0; i < m_answered.size(); ++i)
        out.push_back(MsBetween(m_sent[i], m_answered[i]));
    return out;
}

int InputProbe::unanswered() const
{
    std::lock_guard lock(m_mutex);
    return int(m_sent.size() - m_answered.size());
}

} // namespace tintrix::bench

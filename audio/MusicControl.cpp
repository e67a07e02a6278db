// SPDX-License-Identifier: GPL-3.0-or-later
#include "MusicControl.h"

#include "AudioBackend.h"

#include <limits>

namespace tintrix {

namespace {
qint32 to32(qint64 v)
{
    return qint32(std::clamp<qint64>(v, 0, std::numeric_limits<qint32>::max()));
}
} // namespace

MusicControl::MusicControl(MidiEngine& engine, int statusIntervalMs, QObject* parent)
    : QObject(parent), m_engine(engine)
{
    m_status.setInterval(statusIntervalMs);
    connect(&m_status, &QTimer::timeout, this, &MusicControl::StatusUpdate);
}

void MusicControl::setCommand(const QString& command)
{
    const QString c = command.trimmed().toLower();
    if (c == u"open") {
        if (m_engine.open(m_fileName))
            m_status.start();
        return;
    }
    if (!m_engine.isOpen())
        return;
    if (c == u"next")
        m_engine.rewind();
    else if (c == u"play")
        m_engine.play();
    else if (c == u"stop")
        m_engine.stop();
}

bool MusicControl::isOpen() const { return m_engine.isOpen(); }
qint32 MusicControl::length() const { return to32(m_engine.length()); }
qint32 MusicControl::position() const { return to32(m_engine.position()); }

} // namespace tintrix

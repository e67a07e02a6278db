// SPDX-License-Identifier: GPL-3.0-or-later
// A sound system that plays nothing and remembers what it was asked.
#pragma once

#include "AudioBackend.h"

#include <QFileInfo>
#include <QStringList>

namespace tintrix::test {

/** A MIDI player that keeps a log of calls and a position the test moves by hand. */
class FakeMidi : public MidiEngine {
public:
    bool open(const QString& path) override
    {
        calls << "open " + QFileInfo(path).fileName();
        m_playing = false;
        m_position = 0;
        return m_open = openSucceeds;
    }
    bool isOpen() const override { return m_open; }
    void rewind() override { calls << "rewind", m_position = 0; }
    void play() override { calls << "play", m_playing = true; }
    void stop() override { calls << "stop", m_playing = false; }
    bool isPlaying() const override { return m_playing; }
    qint64 length() const override { return m_open ? m_length : 0; }
    qint64 position() const override { return m_open ? m_position : 0; }

    /** Moves the play position, as time passing would. */
    void setPosition(qint64 position) { m_position = position; }

    QStringList calls;     ///< "open Airy.mid", "rewind", "play", "stop"
    bool openSucceeds = true;
    qint64 m_length = 60000;
    qint64 m_position = 0;

private:
    bool m_open = false;
    bool m_playing = false;
};

class RecordingAudio : public AudioBackend {
public:
    void playEffect(const QString& path) override { effects << QFileInfo(path).fileName(); }
    MidiEngine& midi() override { return fakeMidi; }

    QStringList effects; ///< file names of the effects, in order ("Change.wav")
    FakeMidi fakeMidi;
};

} // namespace tintrix::test

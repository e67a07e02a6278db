// SPDX-License-Identifier: GPL-3.0-or-later
// What the game needs from the sound system: fire-and-forget wave effects and a MIDI player.
#pragma once

#include <QString>

#include <memory>

namespace tintrix {

/** A MIDI player for one piece. Positions and lengths share one unit (ticks of the piece).
 *  Every call on a player that has no piece open does nothing and reports 0. */
class MidiEngine {
public:
    virtual ~MidiEngine() = default;

    /** Loads the piece at path, stopped at its beginning. Opening again (the same or another
     *  file) replaces the piece. Returns false when the piece cannot be loaded. */
    virtual bool open(const QString& path) = 0;
    [[nodiscard]] virtual bool isOpen() const = 0;
    /** Moves to the beginning of the piece; keeps playing if it was playing. */
    virtual void rewind() = 0;
    /** Plays from the current position. */
    virtual void play() = 0;
    /** Stops, keeping the position, so that play() resumes there. */
    virtual void stop() = 0;
    [[nodiscard]] virtual bool isPlaying() const = 0;
    [[nodiscard]] virtual qint64 length() const = 0;
    [[nodiscard]] virtual qint64 position() const = 0;
};

/** The sound system behind the game. */
class AudioBackend {
public:
    virtual ~AudioBackend() = default;

    /** Starts the wave file at path at once and returns; a new effect cuts off the one still
     *  playing. A missing or unplayable file is silence. */
    virtual void playEffect(const QString& path) = 0;

    /** The MIDI player of the background music; it lives as long as the backend. */
    virtual MidiEngine& midi() = 0;
};

} // namespace tintrix

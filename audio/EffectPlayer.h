// SPDX-License-Identifier: GPL-3.0-or-later
// Short wave effects, one at a time, straight to the sound server.
#pragma once

// Qt
#include <QByteArray>
#include <QString>
#include <QStringList>

// Std
#include <condition_variable>
#include <cstdint>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

namespace tintrix {

/** A wave file's sound: 16-bit samples, interleaved when there are two channels. */
struct WaveSound {
    int rate = 0;
    int channels = 0;
    std::vector<std::int16_t> samples;
    [[nodiscard]] bool valid() const { return rate > 0 && (channels == 1 || channels == 2) && !samples.empty(); }
};

/** Reads an uncompressed (PCM) 16-bit wave file of one or two channels; other chunks are
 *  skipped. Anything else, or a damaged file, gives an invalid sound. */
[[nodiscard]] WaveSound ReadWave(const QByteArray& bytes);

/** Plays wave files without waiting, through the PulseAudio server (PipeWire's or PulseAudio's
 *  own). Each file is read once, the first time it is named (to the constructor or to play()),
 *  and kept. Starting an effect cuts off the one still playing. A file that is missing or
 *  cannot be read, and every effect when no sound server answers, plays as silence.
 *
 *  One thread of its own writes the sound; it talks to the server only while effects play,
 *  and lets the connection go after a short rest, so that a game at rest costs nothing. */
class EffectPlayer {
public:
    explicit EffectPlayer(const QStringList& preload);
    ~EffectPlayer();
    EffectPlayer(const EffectPlayer&) = delete;
    EffectPlayer& operator=(const EffectPlayer&) = delete;

    /** Starts the effect at path at once and returns. */
    void play(const QString& path);

    /** Whether the effect at path was read and can play. */
    [[nodiscard]] bool playable(const QString& path) const;

private:
    const WaveSound& load(const QString& path);
    void run();

    std::map<QString, WaveSound> m_effects; // by clean path; only the calling thread adds
    std::mutex m_mutex;
    std::condition_variable m_wake;
    const WaveSound* m_next = nullptr; // the effect to start, under m_mutex
    bool m_quit = false;               // under m_mutex
    std::thread m_thread;
};

} // namespace tintrix

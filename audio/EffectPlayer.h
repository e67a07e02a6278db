// SPDX-License-Identifier: GPL-3.0-or-later
// Short wave effects, one at a time, through Qt Multimedia's audio output.
#pragma once

// Qt
#include <QBuffer>
#include <QByteArray>
#include <QString>
#include <QStringList>

// Std
#include <cstdint>
#include <map>
#include <memory>
#include <vector>

class QAudioSink;

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

/** Plays wave files without waiting, through a QAudioSink that pulls the samples from memory
 *  on the calling thread's event loop. Each file is read once, the first time it is named (to
 *  the constructor or to play()), and kept. Starting an effect cuts off the one still playing.
 *  A file that is missing or cannot be read, and every effect when there is no audio output,
 *  plays as silence.
 *
 *  The files are read here rather than by QSoundEffect, whose loader fetches even a local
 *  file through Qt Network's access manager on a thread of its own. The output is let go as
 *  soon as an effect ends, so that a game at rest costs nothing. */
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

    /** The clean path of the effect sounding now, or an empty string. */
    [[nodiscard]] QString playing() const { return m_playing; }

private:
    const WaveSound& load(const QString& key);
    void stop();
    void ended();

    std::map<QString, WaveSound> m_effects; // by clean path
    QBuffer m_source;                       // the sound m_sink reads; outlives it
    std::unique_ptr<QAudioSink> m_sink;
    QString m_playing;
};

} // namespace tintrix

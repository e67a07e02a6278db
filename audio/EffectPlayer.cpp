// SPDX-License-Identifier: GPL-3.0-or-later
#include "EffectPlayer.h"

// Qt
#include <QDir>
#include <QFile>
#include <QtEndian>

// Std
#include <algorithm>

// PulseAudio
#include <pulse/simple.h>

#include <chrono>

namespace tintrix {

namespace {

// A wave file larger than this is no effect of this game; don't read it.
constexpr qint64 kMaxWaveBytes = 8 * 1024 * 1024;
// The connection to the server is let go after this long without an effect.
constexpr auto kRest = std::chrono::seconds(2);

std::uint32_t u32(const char* p) { return qFromLittleEndian<std::uint32_t>(p); }
std::uint16_t u16(const char* p) { return qFromLittleEndian<std::uint16_t>(p); }

/** A playback stream with little buffering, so that an effect starts (and is cut off) within
 *  a few hundredths of a second. */
class Stream {
public:
    ~Stream() { close(); }

    bool openFor(const WaveSound& sound)
    {
        if (m_stream && m_rate == sound.rate && m_channels == sound.channels)
            return true;
        close();
        const pa_sample_spec spec{PA_SAMPLE_S16LE, std::uint32_t(sound.rate), std::uint8_t(sound.channels)};
        const std::uint32_t msBytes = std::uint32_t(sound.rate * sound.channels * 2 / 1000);
        pa_buffer_attr attr{};
        attr.maxlength = std::uint32_t(-1);
        attr.tlength = 60 * msBytes;
        attr.prebuf = 20 * msBytes;
        attr.minreq = 10 * msBytes;
        attr.fragsize = std::uint32_t(-1);
        int error = 0;
        m_stream = pa_simple_new(nullptr, "Tintrix", PA_STREAM_PLAYBACK, nullptr, "effects", &spec, nullptr, &attr, &error);
        m_rate = sound.rate;
        m_channels = sound.channels;
        return m_stream != nullptr;
    }

    bool write(const std::int16_t* samples, std::size_t count)
    {
        int error = 0;
        return pa_simple_write(m_stream, samples, count * sizeof(std::int16_t), &error) == 0;
    }

    void flush()
    {
        int error = 0;
        pa_simple_flush(m_stream, &error);
    }

    void close()
    {
        if (m_stream)
            pa_simple_free(m_stream);
        m_stream = nullptr;
    }

    [[nodiscard]] bool isOpen() const { return m_stream != nullptr; }

private:
    pa_simple* m_stream = nullptr;
    int m_rate = 0;
    int m_channels = 0;
};

} // namespace

WaveSound ReadWave(const QByteArray& bytes)
{
    const char* p = bytes.constData();
    const qsizetype size = bytes.size();
    if (size < 12 || bytes.left(4) != "RIFF" || bytes.mid(8, 4) != "WAVE")
        return {};
    WaveSound sound;
    bool haveFormat = false;
    for (qsizetype at = 12; at + 8 <= size;) {
        const QByteArray id = bytes.mid(at, 4);
        const qint64 length = u32(p + at + 4);
        const qsizetype body = at + 8;
        if (length > size - body)
            return {}; // cut short
        if (id == "fmt ") {
            if (length < 16 || u16(p + body) != 1 || u16(p + body + 14) != 16)
                return {}; // not 16-bit PCM
            sound.channels = u16(p + body + 2);
            sound.rate = int(u32(p + body + 4));
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat)
                return {};
            const qsizetype frames = qsizetype(length) / (2 * std::max(sound.channels, 1));
            sound.samples.resize(std::size_t(frames * sound.channels));
            for (std::size_t i = 0; i < sound.samples.size(); ++i)
                sound.samples[i] = qFromLittleEndian<std::int16_t>(p + body + qsizetype(2 * i));
            return sound.valid() ? sound : WaveSound{};
        }
        at = body + qsizetype(length) + (length & 1); // chunks are padded to even lengths
    }
    return {};
}

EffectPlayer::EffectPlayer(const QStringList& preload)
{
    for (const QString& path : preload)
        load(path);
    m_thread = std::thread([this] { run(); });
}

EffectPlayer::~EffectPlayer()
{
    {
        std::lock_guard lock(m_mutex);
        m_quit = true;
    }
    m_wake.notify_one();
    m_thread.join();
}

const WaveSound& EffectPlayer::load(const QString& path)
{
    const QString key = QDir::cleanPath(path);
    auto it = m_effects.find(key);
    if (it == m_effects.end()) {
        QFile file(key);
        WaveSound sound;
        if (file.open(QIODevice::ReadOnly) && file.size() <= kMaxWaveBytes)
            sound = ReadWave(file.readAll());
        it = m_effects.emplace(key, std::move(sound)).first;
    }
    return it->second;
}

bool EffectPlayer::playable(const QString& path) const
{
    const auto it = m_effects.find(QDir::cleanPath(path));
    return it != m_effects.end() && it->second.valid();
}

void EffectPlayer::play(const QString& path)
{
    const WaveSound& sound = load(path);
    {
        std::lock_guard lock(m_mutex);
        // Even silence cuts off the effect still playing, as a new effect does.
        m_next = &sound;
    }
    m_wake.notify_one();
}

// The writing thread: one effect at a time, in pieces of 10 ms, looking for a newer effect
// (or the end) between pieces. The sounds in m_effects are never changed or removed, so they
// can be read here without the lock.
void EffectPlayer::run()
{
    Stream stream;
    std::unique_lock lock(m_mutex);
    while (!m_quit) {
        if (!m_next) {
            if (!stream.isOpen()) {
                m_wake.wait(lock);
            } else if (!m_wake.wait_for(lock, kRest, [this] { return m_next || m_quit; })) {
                lock.unlock();
                stream.close();
                lock.lock();
            }
            continue;
        }
        const WaveSound* sound = std::exchange(m_next, nullptr);
        lock.unlock();
        if (stream.isOpen())
            stream.flush(); // what is left of the previous effect
        if (sound->valid() && stream.openFor(*sound)) {
            const std::size_t piece = std::size_t(sound->rate / 100 * sound->channels);
            for (std::size_t at = 0; at < sound->samples.size(); at += piece) {
                {
                    std::lock_guard check(m_mutex);
                    if (m_next || m_quit)
                        break;
                }
                if (!stream.write(sound->samples.data() + at, std::min(piece, sound->samples.size() - at))) {
                    stream.close(); // the server went away; the next effect tries again
                    break;
                }
            }
        }
        lock.lock();
    }
}

} // namespace tintrix

// SPDX-License-Identifier: GPL-3.0-or-later
#include "EffectPlayer.h"

// Qt
#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QDir>
#include <QFile>
#include <QMediaDevices>
#include <QTimer>
#include <QtEndian>

// Std
#include <algorithm>

namespace tintrix {

namespace {

// A wave file larger than this is no effect of this game; don't read it.
constexpr qint64 kMaxWaveBytes = 8 * 1024 * 1024;
// The output's buffer: small, so that an effect starts (and is cut off) at once.
constexpr int kBufferMs = 60;

std::uint32_t u32(const char* p) { return qFromLittleEndian<std::uint32_t>(p); }
std::uint16_t u16(const char* p) { return qFromLittleEndian<std::uint16_t>(p); }

QAudioFormat FormatOf(const WaveSound& sound)
{
    QAudioFormat format;
    format.setSampleRate(sound.rate);
    format.setChannelCount(sound.channels);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

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
        load(QDir::cleanPath(path));
}

EffectPlayer::~EffectPlayer()
{
    stop();
}

const WaveSound& EffectPlayer::load(const QString& key)
{
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
    const QString key = QDir::cleanPath(path);
    const WaveSound& sound = load(key);
    // Even silence cuts off the effect still playing, as a new effect does.
    stop();
    if (!sound.valid())
        return;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return;
    const QAudioFormat format = FormatOf(sound);
    m_sink = std::make_unique<QAudioSink>(device, format);
    m_sink->setBufferSize(format.bytesForDuration(kBufferMs * 1000));
    // Queued: the output is not let go from inside its own notification.
    QObject::connect(m_sink.get(), &QAudioSink::stateChanged, m_sink.get(), [this] { ended(); }, Qt::QueuedConnection);
    // The samples stay where they are, in m_effects, which never changes an entry it holds.
    m_source.setData(QByteArray::fromRawData(reinterpret_cast<const char*>(sound.samples.data()),
                                             qsizetype(sound.samples.size() * sizeof(std::int16_t))));
    m_source.open(QIODevice::ReadOnly);
    m_sink->start(&m_source);
    if (m_sink->error() == QAudio::NoError && m_sink->state() != QAudio::StoppedState)
        m_playing = key;
    else
        stop(); // no server, no card: silence
}

void EffectPlayer::ended()
{
    if (!m_sink)
        return;
    if (m_sink->state() == QAudio::StoppedState) {
        stop(); // the output failed on its way
    } else if (m_sink->state() == QAudio::IdleState) {
        // The whole sound is written out; the output's buffer still holds its end. The timer
        // goes with this sink if a newer effect replaces it first.
        QTimer::singleShot(2 * kBufferMs, m_sink.get(), [this] { stop(); });
    }
}

void EffectPlayer::stop()
{
    if (m_sink) {
        m_sink->disconnect();
        m_sink->stop();
        m_sink.reset();
    }
    m_source.close();
    m_source.setData(QByteArray());
    m_playing.clear();
}

} // namespace tintrix

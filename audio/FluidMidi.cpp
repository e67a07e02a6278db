// SPDX-License-Identifier: GPL-3.0-or-later
#include "FluidMidi.h"
#include "PulseMusicOutput.h"
#include "SoundFontSubset.h"

// Qt
#include <QFile>
#include <QFileInfo>

// FluidSynth
#include <fluidsynth.h>

#ifdef TINTRIX_HAVE_ALSA
#include <alsa/asoundlib.h>
#endif

#include <malloc.h>

namespace tintrix {

namespace {

// A MIDI file larger than this is not music for this game; don't read it into memory.
constexpr qint64 kMaxPieceBytes = 16 * 1024 * 1024;

#ifdef TINTRIX_HAVE_ALSA
void quietAlsa(const char*, int, const char*, int, const char*, ...) {}
#endif

// The program writes no log: FluidSynth reports to stderr by default, and ALSA prints its
// own complaints when there is no sound card. Both are switched off once, for good.
void silenceLibraries()
{
    static const bool silenced = [] {
        for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level)
            fluid_set_log_function(level, nullptr, nullptr);
#ifdef TINTRIX_HAVE_ALSA
        snd_lib_error_set_handler(quietAlsa);
#endif
        return true;
    }();
    Q_UNUSED(silenced);
}

QString firstExisting(const QStringList& paths)
{
    for (const QString& p : paths) {
        if (QFileInfo(p).isFile())
            return p;
    }
    return {};
}

} // namespace

FluidMidiOptions DefaultFluidMidiOptions()
{
    FluidMidiOptions o;
    o.soundFonts = {
        QStringLiteral("/usr/share/sounds/sf2/default-GM.sf2"),
        QStringLiteral("/usr/share/sounds/sf2/TimGM6mb.sf2"),
        QStringLiteral("/usr/share/sounds/sf2/FluidR3_GM.sf2"),
        QStringLiteral("/usr/share/soundfonts/default.sf2"),
        QStringLiteral("/usr/share/soundfonts/FluidR3_GM.sf2"),
    };
    // The game's own stream first: PulseAudio and PipeWire's PulseAudio service both take it.
    // FluidSynth does not fall back from one driver to another by itself. Its PulseAudio
    // driver would only fail where the stream does; JACK is left out (it could start a sound
    // server of its own), and so is SDL2, which only works once the program has initialised SDL.
    o.drivers = {
        QString::fromLatin1(FluidMidiOptions::kPulseStream),
        QStringLiteral("pipewire"),
        QStringLiteral("alsa"),
        QStringLiteral("oss"),
    };
    return o;
}

void FluidMidi::Deleter::operator()(_fluid_hashtable_t* p) const { delete_fluid_settings(p); }
void FluidMidi::Deleter::operator()(_fluid_synth_t* p) const { delete_fluid_synth(p); }
void FluidMidi::Deleter::operator()(_fluid_player_t* p) const { delete_fluid_player(p); }
void FluidMidi::Deleter::operator()(_fluid_audio_driver_t* p) const { delete_fluid_audio_driver(p); }

FluidMidi::FluidMidi(FluidMidiOptions options) : m_options(std::move(options))
{
    m_releaseTimer.setSingleShot(true);
    QObject::connect(&m_releaseTimer, &QTimer::timeout, &m_releaseTimer, [this] {
        if (!m_playing)
            dropDriver();
    });
}

FluidMidi::~FluidMidi()
{
    // The audio thread must be gone before the player and synthesizer it renders.
    dropDriver();
}

// ---------------------------------------------------------------------------------------
// Commands

bool FluidMidi::open(const QString& path)
{
    dropDriver();
    m_player.reset();
    m_playing = false;
    m_piece.clear();
    m_info = {};

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxPieceBytes)
        return false;
    const QByteArray bytes = file.readAll();
    const MidiFileInfo info = ReadMidiFileInfo(
        {reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size())});
    if (!info.valid || !ensureSynth() || !ensureFont(info.programs))
        return false;

    // Nothing of an earlier piece may sound on into this one.
    fluid_synth_system_reset(m_synth.get());
    m_piece = bytes;
    m_info = info;
    if (!makePlayer()) {
        m_piece.clear();
        m_info = {};
        return false;
    }
    return true;
}

void FluidMidi::rewind()
{
    if (!isOpen())
        return;
    if (m_output && m_playing) {
        // The stream goes on: the piece starts again at once, with nothing cut off or left out
        // at the loop point.
        m_output->whileQuiet([this] {
            releaseNotes();
            if (makePlayer())
                fluid_player_play(m_player.get());
            else
                m_playing = false;
        });
        if (!m_playing)
            dropDriver();
        return;
    }
    // A fresh player starts at tick 0 whatever state the old one was in (playing, past the
    // end, stopped). It may only be replaced while nothing renders.
    dropDriver();
    releaseNotes();
    if (!makePlayer()) {
        m_playing = false;
        return;
    }
    if (m_playing) {
        fluid_player_play(m_player.get());
        startDriver();
    }
}

void FluidMidi::play()
{
    if (!isOpen() || m_playing)
        return;
    m_releaseTimer.stop();
    fluid_player_play(m_player.get());
    m_playing = true;
    if (!hasAudioDriver())
        startDriver();
}

void FluidMidi::stop()
{
    if (!isOpen() || !m_playing)
        return;
    m_playing = false;
    if (position() >= length()) {
        // Stopped after the last note, before the end-of-piece check restarted it: leave the
        // piece at its beginning, so that a later play starts it afresh and the check does
        // not restart it while music is off.
        rewind();
        return;
    }
    // FluidSynth's stop keeps the current tick (the player resumes there); the driver stays
    // a moment longer so the released notes can fade.
    fluid_player_stop(m_player.get());
    releaseNotes();
    // The stream's server still holds what was rendered before the stop.
    if (m_output)
        m_releaseTimer.start(m_options.releaseMs + PulseMusicOutput::kBufferMs);
    else if (m_driver)
        m_releaseTimer.start(m_options.releaseMs);
}

qint64 FluidMidi::length() const
{
    return isOpen() ? m_info.totalTicks : 0;
}

qint64 FluidMidi::position() const
{
    return isOpen() ? qint64(fluid_player_get_current_tick(m_player.get())) : 0;
}

int FluidMidi::presetsLoaded() const
{
    fluid_sfont_t* font = m_synth ? fluid_synth_get_sfont_by_id(m_synth.get(), m_font) : nullptr;
    if (!font)
        return 0;
    int presets = 0;
    fluid_sfont_iteration_start(font);
    while (fluid_sfont_iteration_next(font))
        ++presets;
    return presets;
}

bool FluidMidi::renderOffline(float* out, int frames)
{
    if (hasAudioDriver() || !m_synth || frames <= 0)
        return false;
    return fluid_synth_write_float(m_synth.get(), frames, out, 0, 2, out, 1, 2) == FLUID_OK;
}

// ---------------------------------------------------------------------------------------
// FluidSynth objects

bool FluidMidi::ensureSynth()
{
    if (m_synth)
        return true;
    silenceLibraries();
    std::unique_ptr<_fluid_hashtable_t, Deleter> settings(new_fluid_settings());
    if (!settings)
        return false;
    fluid_settings_t* s = settings.get();
    // Background music needs no low latency. Long audio periods (192 ms) wake the audio
    // thread seldom: with FluidSynth's default of 64 frames, talking to the sound server
    // costs more than synthesis. A little reverb, no chorus, one synthesis thread.
    fluid_settings_setnum(s, "synth.sample-rate", m_options.sampleRate);
    fluid_settings_setint(s, "audio.period-size", m_options.sampleRate * 192 / 1000);
    fluid_settings_setint(s, "audio.periods", 2);
    // The synthesizer works in floating point; handing the server floats spares converting
    // (and dithering) to 16 bits here, and the server, which resamples in floating point
    // anyway, converting back.
    fluid_settings_setstr(s, "audio.sample-format", "float");
    fluid_settings_setint(s, "synth.reverb.active", 1);
    fluid_settings_setint(s, "synth.chorus.active", 0);
    fluid_settings_setint(s, "synth.polyphony", 64);
    fluid_settings_setint(s, "synth.cpu-cores", 1);
    fluid_settings_setint(s, "synth.lock-memory", 0);
    // Only the samples of the instruments the piece plays are read into memory, when a note
    // first needs them: about 5 MB of the General MIDI set stay on disk. The rendered sound
    // is the same (within -88 dB of loading them all).
    fluid_settings_setint(s, "synth.dynamic-sample-loading", 1);
    fluid_settings_setnum(s, "synth.gain", 0.6);

    std::unique_ptr<_fluid_synth_t, Deleter> synth(new_fluid_synth(s));
    if (!synth || !AddSubsetFontLoader(synth.get(), s))
        return false;
    m_settings = std::move(settings);
    m_synth = std::move(synth);
    return true;
}

bool FluidMidi::ensureFont(const std::bitset<128>& programs)
{
    if (m_font >= 0 && (programs & ~m_fontPrograms).none())
        return true;
    const QString soundFont = firstExisting(m_options.soundFonts);
    if (soundFont.isEmpty())
        return false;
    if (m_font >= 0)
        fluid_synth_sfunload(m_synth.get(), m_font, 1);
    m_font = -1;
    // A piece needs the presets of its own programs alone (see SoundFontSubset.h).
    const std::string path = QFile::encodeName(soundFont).toStdString();
    const std::string name = m_options.wholeSoundFont ? path : SubsetFontName(path, programs);
    const int font = fluid_synth_sfload(m_synth.get(), name.c_str(), 1);
    if (font == FLUID_FAILED)
        return false;
    m_font = font;
    m_fontPrograms = m_options.wholeSoundFont ? std::bitset<128>().set() : programs;
    m_fontPrograms.set(0);
    // Reading the SoundFont leaves part of the heap free but in use by the process; give it
    // back, or the game keeps it for as long as it runs.
    malloc_trim(0);
    return true;
}

bool FluidMidi::makePlayer()
{
    m_player.reset();
    std::unique_ptr<_fluid_player_t, Deleter> player(new_fluid_player(m_synth.get()));
    if (!player || fluid_player_add_mem(player.get(), m_piece.constData(), std::size_t(m_piece.size())) != FLUID_OK)
        return false;
    m_player = std::move(player);
    return true;
}

void FluidMidi::startDriver()
{
    for (const QString& name : m_options.drivers) {
        if (name == QLatin1String(FluidMidiOptions::kPulseStream)) {
            m_output = PulseMusicOutput::Start(m_synth.get(), m_options.sampleRate);
            if (m_output)
                return;
            continue;
        }
        if (fluid_settings_setstr(m_settings.get(), "audio.driver", name.toUtf8().constData()) != FLUID_OK)
            continue;
        if (fluid_audio_driver_t* driver = new_fluid_audio_driver(m_settings.get(), m_synth.get())) {
            m_driver.reset(driver);
            return;
        }
    }
}

void FluidMidi::dropDriver()
{
    m_releaseTimer.stop();
    m_output.reset();
    m_driver.reset();
}

void FluidMidi::releaseNotes()
{
    const int channels = fluid_synth_count_midi_channels(m_synth.get());
    for (int channel = 0; channel < channels; ++channel)
        fluid_synth_all_notes_off(m_synth.get(), channel);
}

} // namespace tintrix

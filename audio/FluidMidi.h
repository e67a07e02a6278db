// SPDX-License-Identifier: GPL-3.0-or-later
// The music player of the running game: FluidSynth with a General MIDI SoundFont.
#pragma once

#include "AudioBackend.h"
#include "MidiFileInfo.h"

// Qt
#include <QByteArray>
#include <QStringList>
#include <QTimer>

// Std
#include <bitset>
#include <memory>

struct _fluid_hashtable_t;
struct _fluid_synth_t;
struct _fluid_player_t;
struct _fluid_audio_driver_t;

namespace tintrix {

class PulseMusicOutput;

struct FluidMidiOptions {
    static constexpr const char* kPulseStream = "pulse-stream";
    /** SoundFonts to look for, in order; the first that exists is loaded. */
    QStringList soundFonts;
    /** Audio outputs, tried in order each time playing starts: kPulseStream, the game's own
     *  PulseAudio stream, or FluidSynth's drivers by their names. With none, or when none
     *  opens, the engine stays silent and the piece does not advance. */
    QStringList drivers;
    /** How long the audio driver outlives a stop, so that released notes fade out instead
     *  of being cut. */
    int releaseMs = 400;
    /** Frames per second the synthesizer renders (and renderOffline writes). 32 kHz keeps
     *  everything up to 16 kHz, plenty for background music, and takes about 30% less
     *  processor time than 44.1 kHz; the sound server converts to its own rate. */
    int sampleRate = 32000;
    /** Loads every preset of the SoundFont rather than those of the piece's programs alone:
     *  the same notes for several megabytes more, for comparing the two. */
    bool wholeSoundFont = false;
};

/** The SoundFonts and drivers of a Debian desktop. */
[[nodiscard]] FluidMidiOptions DefaultFluidMidiOptions();

/** A MidiEngine over FluidSynth. Positions and lengths are ticks of the piece.
 *
 *  Nothing is set up until the first open(), so creating the engine costs nothing at
 *  start-up. The audio driver (and with it FluidSynth's audio thread) exists only while the
 *  piece plays and for releaseMs after a stop: an idle synthesizer would otherwise keep
 *  rendering silence. Since the player only advances while the synthesizer renders, dropping
 *  the driver keeps the position.
 *
 *  Failures are silent: a missing SoundFont or an unreadable file makes open() return false;
 *  no audio device leaves a piece that is open but does not advance. Everything runs on the
 *  calling (user-interface) thread apart from FluidSynth's own audio thread. */
class FluidMidi final : public MidiEngine {
public:
    explicit FluidMidi(FluidMidiOptions options = DefaultFluidMidiOptions());
    ~FluidMidi() override;
    FluidMidi(const FluidMidi&) = delete;
    FluidMidi& operator=(const FluidMidi&) = delete;

    bool open(const QString& path) override;
    [[nodiscard]] bool isOpen() const override { return m_player != nullptr; }
    void rewind() override;
    void play() override;
    void stop() override;
    [[nodiscard]] bool isPlaying() const override { return m_playing; }
    [[nodiscard]] qint64 length() const override;
    [[nodiscard]] qint64 position() const override;

    /** Whether an audio output is running now (while playing, and shortly after a stop). */
    [[nodiscard]] bool hasAudioDriver() const { return m_driver != nullptr || m_output != nullptr; }

    /** How many presets of the SoundFont FluidSynth holds now; 0 before a piece is opened. */
    [[nodiscard]] int presetsLoaded() const;

    /** Renders frames of interleaved stereo into out (2 * frames floats) on the calling thread,
     *  advancing a playing piece as a driver would. For checking the music without a sound
     *  card; refused (false) while an audio driver runs or before a piece has been opened. */
    bool renderOffline(float* out, int frames);

private:
    struct Deleter {
        void operator()(_fluid_hashtable_t* p) const;
        void operator()(_fluid_synth_t* p) const;
        void operator()(_fluid_player_t* p) const;
        void operator()(_fluid_audio_driver_t* p) const;
    };

    bool ensureSynth();
    bool ensureFont(const std::bitset<128>& programs);
    bool makePlayer();
    void startDriver();
    void dropDriver();
    void releaseNotes();

    FluidMidiOptions m_options;
    QTimer m_releaseTimer;
    QByteArray m_piece;
    MidiFileInfo m_info;
    bool m_playing = false;
    int m_font = -1;                // FluidSynth's number of the loaded SoundFont
    std::bitset<128> m_fontPrograms; // the programs it holds

    // Declared in order of construction, so they are destroyed driver first.
    std::unique_ptr<_fluid_hashtable_t, Deleter> m_settings;
    std::unique_ptr<_fluid_synth_t, Deleter> m_synth;
    std::unique_ptr<_fluid_player_t, Deleter> m_player;
    std::unique_ptr<_fluid_audio_driver_t, Deleter> m_driver;
    std::unique_ptr<PulseMusicOutput> m_output; // in place of m_driver
};

} // namespace tintrix

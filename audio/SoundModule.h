// SPDX-License-Identifier: GPL-3.0-or-later
// The sound system as a module the program opens only when the game first needs a sound, so
// that its libraries (Qt Multimedia, FluidSynth and all they bring) are neither loaded nor
// relocated before the first window is on screen.
#pragma once

#include "AudioBackend.h"

#include <QLibrary>
#include <QStringList>

#include <memory>

namespace tintrix {

/** Where the sound module lies, relative to the program's folder. It has a folder of its own
 *  so that an installed copy below /usr/lib is no library for the system's loader cache. */
inline constexpr char kSoundModuleName[] = "sound/tintrix-sound.so";

/** The symbol the module exports: it makes the sound system for the given effect files. The
 *  number follows the AudioBackend interface; a module built against another one is not used. */
inline constexpr char kSoundModuleEntry[] = "tintrix_make_sound_system_1";
using SoundModuleEntry = AudioBackend* (*)(const QStringList& effectPaths);

/** An AudioBackend that opens the sound module at modulePath the first time a sound is asked
 *  for (an effect, or opening the music), and from then on hands everything to the module's
 *  sound system. A module that is missing or cannot be used is tried once; the game then
 *  stays silent: effects do nothing, and the music does not open. */
class SoundModule final : public AudioBackend {
public:
    SoundModule(QString modulePath, QStringList effectPaths);
    ~SoundModule() override;
    SoundModule(const SoundModule&) = delete;
    SoundModule& operator=(const SoundModule&) = delete;

    void playEffect(const QString& path) override;
    MidiEngine& midi() override { return m_midi; }

    /** Whether the module has been opened and made its sound system. */
    [[nodiscard]] bool loaded() const { return m_system != nullptr; }
    /** Why the module could not be used, once it has been tried and failed; empty otherwise. */
    [[nodiscard]] QString failure() const { return m_failure; }

private:
    /** The music player until the module is there, and then its front. */
    class Midi final : public MidiEngine {
    public:
        explicit Midi(SoundModule& owner) : m_owner(owner) {}
        bool open(const QString& path) override;
        [[nodiscard]] bool isOpen() const override;
        void rewind() override;
        void play() override;
        void stop() override;
        [[nodiscard]] bool isPlaying() const override;
        [[nodiscard]] qint64 length() const override;
        [[nodiscard]] qint64 position() const override;

    private:
        [[nodiscard]] MidiEngine* real() const;
        SoundModule& m_owner;
    };

    AudioBackend* system();

    QLibrary m_library;
    QStringList m_effectPaths;
    bool m_tried = false;
    QString m_failure;
    std::unique_ptr<AudioBackend> m_system;
    Midi m_midi{*this};
};

/** The game's sound: the module in the program's folder, with the effects found there. */
[[nodiscard]] std::unique_ptr<AudioBackend> CreateGameAudio(const QString& programFolder);

} // namespace tintrix

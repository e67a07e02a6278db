// SPDX-License-Identifier: GPL-3.0-or-later
#include "SoundModule.h"

#include "GameSound.h"

namespace tintrix {

SoundModule::SoundModule(QString modulePath, QStringList effectPaths)
    : m_library(std::move(modulePath)), m_effectPaths(std::move(effectPaths))
{
}

// The sound system goes first; the module stays loaded to the end of the program (QLibrary
// never unloads by itself), so no code of it is called after it is gone.
SoundModule::~SoundModule() = default;

AudioBackend* SoundModule::system()
{
    if (m_tried)
        return m_system.get();
    m_tried = true;
    if (!m_library.load()) {
        m_failure = m_library.errorString();
        return nullptr;
    }
    const auto make = reinterpret_cast<SoundModuleEntry>(m_library.resolve(kSoundModuleEntry));
    if (!make) {
        m_failure = m_library.errorString();
        return nullptr;
    }
    m_system.reset(make(m_effectPaths));
    if (!m_system)
        m_failure = QStringLiteral("the module made no sound system");
    return m_system.get();
}

void SoundModule::playEffect(const QString& path)
{
    if (AudioBackend* audio = system())
        audio->playEffect(path);
}

// ---------------------------------------------------------------------------------------
// The music player's front. Only open() may load the module: every other command is one the
// game sends to a piece it has opened, and before that there is nothing to do.

MidiEngine* SoundModule::Midi::real() const
{
    return m_owner.m_system ? &m_owner.m_system->midi() : nullptr;
}

bool SoundModule::Midi::open(const QString& path)
{
    AudioBackend* audio = m_owner.system();
    return audio && audio->midi().open(path);
}

bool SoundModule::Midi::isOpen() const { return real() && real()->isOpen(); }

void SoundModule::Midi::rewind()
{
    if (MidiEngine* midi = real())
        midi->rewind();
}

void SoundModule::Midi::play()
{
    if (MidiEngine* midi = real())
        midi->play();
}

void SoundModule::Midi::stop()
{
    if (MidiEngine* midi = real())
        midi->stop();
}

bool SoundModule::Midi::isPlaying() const { return real() && real()->isPlaying(); }
qint64 SoundModule::Midi::length() const { return real() ? real()->length() : 0; }
qint64 SoundModule::Midi::position() const { return real() ? real()->position() : 0; }

std::unique_ptr<AudioBackend> CreateGameAudio(const QString& programFolder)
{
    return std::make_unique<SoundModule>(programFolder + '/' + QLatin1String(kSoundModuleName),
                                         EffectFiles(programFolder));
}

} // namespace tintrix

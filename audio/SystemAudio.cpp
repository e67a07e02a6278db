// SPDX-License-Identifier: GPL-3.0-or-later
#include "SystemAudio.h"

#include "EffectPlayer.h"
#include "FluidMidi.h"

namespace tintrix {

namespace {
class SystemAudio final : public AudioBackend {
public:
    explicit SystemAudio(const QStringList& effectPaths) : m_effects(effectPaths) {}

    void playEffect(const QString& path) override { m_effects.play(path); }
    MidiEngine& midi() override { return m_midi; }

private:
    EffectPlayer m_effects;
    FluidMidi m_midi; // sets up FluidSynth only when the music is first opened
};
} // namespace

std::unique_ptr<AudioBackend> CreateSystemAudio(const QStringList& effectPaths)
{
    return std::make_unique<SystemAudio>(effectPaths);
}

} // namespace tintrix

// SPDX-License-Identifier: GPL-3.0-or-later
// The real sound system: Qt Multimedia for the effects, FluidSynth for the music.
#pragma once

#include "AudioBackend.h"

#include <QStringList>

#include <memory>

namespace tintrix {

/** The sound system of the running game. The effects at effectPaths are loaded at once so that
 *  no click waits for a file. Without a sound card, an audio server, the SoundFont or a media
 *  file the game stays silent where it cannot play. */
[[nodiscard]] std::unique_ptr<AudioBackend> CreateSystemAudio(const QStringList& effectPaths);

} // namespace tintrix

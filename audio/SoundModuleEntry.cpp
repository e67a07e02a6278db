// SPDX-License-Identifier: GPL-3.0-or-later
// The sound module's one exported function, named as kSoundModuleEntry; everything else in
// the module stays hidden.
#include "SoundModule.h"
#include "SystemAudio.h"

extern "C" Q_DECL_EXPORT tintrix::AudioBackend* tintrix_make_sound_system_1(const QStringList& effectPaths)
{
    return tintrix::CreateSystemAudio(effectPaths).release();
}


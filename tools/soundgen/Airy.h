// SPDX-License-Identifier: GPL-3.0-or-later
// "Airy": the game's background music, a light piece in F major for flute, celesta, harp,
// strings, bass and a little percussion.
#pragma once

#include "MidiWriter.h"

namespace tintrix::soundgen {

inline constexpr int kAiryTempoBpm = 88;
inline constexpr int kAiryBars = 33; ///< one bar of introduction and four eight-bar sections

/** The piece as a format-1 MIDI file: a conductor track, then one track per instrument. */
[[nodiscard]] Bytes ComposeAiry();

} // namespace tintrix::soundgen

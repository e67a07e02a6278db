// SPDX-License-Identifier: GPL-3.0-or-later
// The game's four sound effects, synthesised from sines and filtered noise.
#pragma once

#include "Wave.h"

#include <string_view>

namespace tintrix::soundgen {

struct Effect {
    std::string_view fileName;
    Samples (*make)();
};

/** "Change.wav": a soft click, for a colour taken or a peg placed. */
[[nodiscard]] Samples MakeChange();
/** "DropPeg.wav": a peg dropping into its hole, a short knock with a small woody ring. */
[[nodiscard]] Samples MakeDropPeg();
/** "Gling.wav": a bright two-note chime for a solved row. */
[[nodiscard]] Samples MakeGling();
/** "redo.wav": a quick swish of rising filtered noise, for undo and redo. */
[[nodiscard]] Samples MakeSwish();

inline constexpr Effect kEffects[] = {
    {"Change.wav", MakeChange},
    {"DropPeg.wav", MakeDropPeg},
    {"Gling.wav", MakeGling},
    {"redo.wav", MakeSwish},
};

} // namespace tintrix::soundgen

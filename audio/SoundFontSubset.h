// SPDX-License-Identifier: GPL-3.0-or-later
// A General MIDI SoundFont cut down to the programs one piece plays.
//
// FluidSynth builds its presets, instruments and zones for every preset of a SoundFont when
// it loads it: for a whole General MIDI set several megabytes, almost all of them for
// instruments the game's music never plays. The sample data is read only for the presets a
// piece selects, so the cut is made in the preset data alone, which a SoundFont keeps in its
// last chunk: FluidSynth reads the file as it is up to that chunk, and then preset data that
// lists only the wanted programs, with their instruments. Every sample stays where it is, so
// the notes sound exactly as they do from the whole font.
#pragma once

// Std
#include <bitset>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

struct _fluid_hashtable_t;
struct _fluid_synth_t;

namespace tintrix {

/** The preset data ('pdta' list) of a SoundFont with only the presets of the given program
 *  numbers, in every bank (the drum kits too), each with its zones, generators and
 *  modulators as they were, in their order; the instruments they use, renumbered; and every
 *  sample header. body is the list's contents after its "pdta" type; the result is the whole
 *  new list chunk, header included. Empty when the preset data does not hold together (a
 *  record list cut short, an index out of range): then only the whole font is safe to use. */
[[nodiscard]] std::optional<std::vector<std::uint8_t>> SubsetPresetData(std::span<const std::uint8_t> body,
                                                                       const std::bitset<128>& programs);

/** The name under which the loader of AddSubsetFontLoader() opens the SoundFont at path cut
 *  down to programs.
 *  Program 0 is always kept: FluidSynth gives it to every channel at a reset and falls back
 *  to it (and to the drum kit of program 0) for a program a font lacks. */
[[nodiscard]] std::string SubsetFontName(const std::string& path, std::bitset<128> programs);

/** Puts a SoundFont loader in front of synth's own: it opens a name from SubsetFontName() as
 *  the cut-down font and any other name as the file it names. A font whose preset data is
 *  not its last chunk, or does not hold together, is opened whole. */
bool AddSubsetFontLoader(_fluid_synth_t* synth, _fluid_hashtable_t* settings);

} // namespace tintrix

// SPDX-License-Identifier: GPL-3.0-or-later
// Writing a generated file, for the generators' main programs.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace tintrix::soundgen {

/** Writes bytes to path through a temporary file beside it, so that an interrupted build
 *  never leaves a half-written file that looks up to date. Returns false on failure. */
bool WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);

} // namespace tintrix::soundgen

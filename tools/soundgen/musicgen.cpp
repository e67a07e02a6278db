// SPDX-License-Identifier: GPL-3.0-or-later
// tintrix_musicgen <file>: writes the background music "Airy" as a MIDI file.

#include "Airy.h"
#include "FileOut.h"

// Std
#include <cstdio>
#include <exception>
#include <filesystem>

using namespace tintrix::soundgen;

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: tintrix_musicgen <output file>\n");
        return 2;
    }
    // The game loops the piece; under a minute it would repeat too often.
    static_assert(kAiryBars * 4 * 60 / kAiryTempoBpm >= 60, "Airy must last at least a minute");
    try {
        const std::filesystem::path file(argv[1]);
        std::error_code error;
        std::filesystem::create_directories(file.parent_path(), error);
        if (!WriteFile(file, ComposeAiry())) {
            std::fprintf(stderr, "musicgen: cannot write %s\n", file.c_str());
            return 1;
        }
    } catch (const std::exception& e) {
        // A mistake in the score (a bad note name, a bar that does not add up).
        std::fprintf(stderr, "musicgen: %s\n", e.what());
        return 1;
    }
    return 0;
}

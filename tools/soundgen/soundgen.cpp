// SPDX-License-Identifier: GPL-3.0-or-later
// tintrix_soundgen <folder>: writes the game's four wave effects into folder.
// Fails when a sound comes out too long, clipped, or with a step at either end.

#include "Effects.h"
#include "FileOut.h"

// Std
#include <cmath>
#include <cstdio>
#include <filesystem>

using namespace tintrix::soundgen;

namespace {
bool acceptable(const Effect& e, const Samples& s)
{
    float peak = 0;
    for (float x : s)
        peak = std::max(peak, std::abs(x));
    const bool ok = s.size() < std::size_t(kSampleRate) && peak > 0.1f && peak < 0.95f
                    && std::abs(s.front()) < 1e-3f && std::abs(s.back()) < 1e-3f;
    if (!ok)
        std::fprintf(stderr, "soundgen: %.*s is out of bounds (%zu samples, peak %.3f)\n",
                     int(e.fileName.size()), e.fileName.data(), s.size(), double(peak));
    return ok;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: tintrix_soundgen <output folder>\n");
        return 2;
    }
    const std::filesystem::path folder(argv[1]);
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    for (const Effect& e : kEffects) {
        const Samples s = e.make();
        if (!acceptable(e, s))
            return 1;
        if (!WriteFile(folder / e.fileName, EncodeWave(s))) {
            std::fprintf(stderr, "soundgen: cannot write %s\n", (folder / e.fileName).c_str());
            return 1;
        }
    }
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Writes a kept tournament for the end-to-end tests: a level just opened, with a secret the
// test chose, in the text form the game reads at start-up.
//
//   tintrix_kept_tournament <level> <score> <secret colour>...   (colours 1..8, hole 1 first)
//
// The file goes to standard output. A tournament the game's rules refuse gives nothing but a
// message and status 1.
#include "SavedGame.h"

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char* argv[])
{
    using namespace tintrix;
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s <level> <score> <secret colour>...\n", argv[0]);
        return 2;
    }
    SavedGame kept;
    kept.stage = SavedStage::Playing;
    try {
        kept.level = std::stoi(argv[1]);
        kept.score = std::stoi(argv[2]);
        for (int i = 3; i < argc; ++i)
            kept.secret.push_back(std::stoi(argv[i]));
    } catch (const std::exception&) {
        std::fprintf(stderr, "%s: numbers only\n", argv[0]);
        return 2;
    }
    kept.rows = {std::vector<int>(kept.secret.size(), 0)};
    if (!IsPlayable(kept)) {
        std::fprintf(stderr, "%s: the rules do not allow this tournament\n", argv[0]);
        return 1;
    }
    std::fputs(EncodeSavedGame(kept).c_str(), stdout);
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Writes a kept tournament to standard output for the end-to-end tests: a level just opened,
// with the secret the test chose. A tournament the rules refuse gives a message and status 1.
//
//   tintrix_kept_tournament <level> <score> <secret colour>...   (colours 1..8, hole 1 first)
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

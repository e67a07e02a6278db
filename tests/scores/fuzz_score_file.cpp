// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the high score file loader (built by scripts/fuzz-scores.sh): any bytes
// load, without a crash, as a table that is ranked, at most five long, and saved and loaded
// back unchanged.
#include "HighScoreCodec.h"

#include <cstdint>
#include <cstdlib>

using namespace tintrix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const HighScoreTable table = ParseHighScores(QByteArrayView(data, qsizetype(size)));
    if (table.HighScoreCount < 0 || table.HighScoreCount > kHighScorePlaces)
        std::abort();
    for (int i = 2; i <= table.HighScoreCount; ++i) {
        if (table.place(i).Score > table.place(i - 1).Score)
            std::abort();
    }
    for (int i = table.HighScoreCount + 1; i <= kHighScorePlaces; ++i) {
        if (table.place(i) != HighScoreEntry{})
            std::abort();
    }
    if (ParseHighScores(SerializeHighScores(table)) != table)
        std::abort();
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The high score file's bytes and the table they hold, both ways.
#pragma once

#include "HighScoreTable.h"

// Qt
#include <QByteArray>
#include <QByteArrayView>

namespace tintrix {

/** The most of a high score file that is ever read. A file the game wrote is a few hundred
 *  bytes; anything past this is ignored, so a runaway file cannot stall the start-up. */
inline constexpr qsizetype kHighScoreFileMaxBytes = 64 * 1024;

/** The file's text: for each filled place, three lines ending in CR LF: the name unchanged
 *  (UTF-8), then the score, then the level. A number is written as a blank (a minus sign when
 *  negative), its digits and a trailing blank: score 150 is " 150 ", -5 is "-5 ". */
[[nodiscard]] QByteArray SerializeHighScores(const HighScoreTable& table);

/** The best table the bytes hold; never fails. Each line is UTF-8, or Windows-1252 when it is
 *  not valid UTF-8; a name line is taken whole (commas, quotes and blanks included). A sound entry
 *  is a name line of at most 48 characters followed by two whole-number lines within 32 bits
 *  (blanks around the digits and LF-only line ends are accepted). Damaged lines are skipped one
 *  at a time until three lines form a sound entry again; an unfinished last entry is dropped.
 *  The entries found are ranked best first (equal scores keep their order) and the first five
 *  kept. Bytes beyond kHighScoreFileMaxBytes are ignored. */
[[nodiscard]] HighScoreTable ParseHighScores(QByteArrayView bytes);

} // namespace tintrix

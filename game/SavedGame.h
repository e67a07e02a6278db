// SPDX-License-Identifier: GPL-3.0-or-later
// A tournament in progress as it is kept between runs of the game: what it holds, its text
// form, and the rules every kept tournament must obey before it is trusted.
#pragma once

#include "GameState.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tintrix {

/** Where the kept tournament stood. */
enum class SavedStage {
    Playing,  ///< a row is being filled
    Checking, ///< the current row was checked; its feedback had not all dropped yet
    Between,  ///< a level was won (or New Game chosen) and the next one had not opened yet
    Over,     ///< the game had ended; only its score and level are kept, for the high scores
};

/** A tournament as it is kept. The board holds only what cannot be worked out again: the
 *  secret and the colours of rows 0..currentRow; the feedback of the checked rows is kept
 *  too and must agree with the rules. */
struct SavedGame {
    SavedStage stage = SavedStage::Playing;
    int level = 0;            ///< tournament level 1..36; for Between the level just won, 0..35
    std::int32_t score = 0;
    int currentRow = 0;       ///< Playing and Checking: the row being filled or checked
    std::vector<int> secret;  ///< Playing and Checking: colour numbers, hole 0 first
    /** Playing and Checking: rows 0..currentRow, colour numbers (0 for an empty hole). */
    std::vector<std::vector<int>> rows;
    /** Playing and Checking: rows 0..currentRow-1, what each feedback hole shows. */
    std::vector<std::vector<Peg>> feedback;
    /** Over: the name the player gave this game's score, and how many entries just like it
     *  (score, name and level) the high score file held just before it was saved there;
     *  unset until the name is known. */
    struct ScoreMark {
        std::string name; ///< as the table keeps it, UTF-8
        int sameBefore = 0;
        bool operator==(const ScoreMark&) const = default;
    };
    std::optional<ScoreMark> scoreMark;

    bool operator==(const SavedGame&) const = default;
};

/** The version of the text form this program writes; a higher one is refused. */
inline constexpr int kSavedGameFormat = 1;
/** Longer files are not a tournament this program wrote. */
inline constexpr std::size_t kSavedGameMaxBytes = 4096;

/** The text form: a magic line, the format version, one field per line, and a checksum line
 *  over everything before it. */
[[nodiscard]] std::string EncodeSavedGame(const SavedGame& game);

/** Why a kept file is not trusted. */
enum class SavedGameFault {
    None,
    NotOurs,  ///< no magic line: some other file
    Newer,    ///< written by a later version of the format
    Damaged,  ///< cut short, a byte changed, a field out of range, or rows the rules forbid
};

struct DecodedGame {
    std::optional<SavedGame> game; ///< set exactly when fault is None
    SavedGameFault fault = SavedGameFault::None;
};

/** Reads the text form as a hostile file: every line, number and checksum must be exactly as
 *  EncodeSavedGame writes them and the tournament must pass IsPlayable. */
[[nodiscard]] DecodedGame DecodeSavedGame(std::string_view bytes);

/** Whether the rules allow this tournament: level and score reachable, the secret and rows
 *  within the level's holes and colours, every checked row full, missing the secret, with the
 *  feedback (and, from level 19 on, the X covers) the rules give it. */
[[nodiscard]] bool IsPlayable(const SavedGame& game);

/** The feedback holes of a checked row: black pegs first, then grey, then empty; covered
 *  with X marks when `covered`. */
[[nodiscard]] std::vector<Peg> FeedbackFor(const std::vector<int>& guess, const std::vector<int>& secret, bool covered);

} // namespace tintrix

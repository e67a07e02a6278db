// SPDX-License-Identifier: GPL-3.0-or-later
// The five best scores as a plain value, and the rules that rank a new score into them.
#pragma once

// Qt
#include <QList>
#include <QString>
#include <QStringView>

// Std
#include <array>

namespace tintrix {

/** Number of places in the table. */
inline constexpr int kHighScorePlaces = 5;

/** Longest name the table keeps, in characters (Unicode code points), after upper case. */
inline constexpr int kMaxNameLength = 12;

/** One place of the table: a finished game. */
struct HighScoreEntry {
    qint32 Score = 0; ///< the game's final score
    QString Name;     ///< the player's name in upper case, possibly empty
    qint32 Level = 0; ///< the level being played when the game ended

    friend bool operator==(const HighScoreEntry&, const HighScoreEntry&) = default;
};

/** The five places, best first. Places 1 to HighScoreCount are filled and their scores never
 *  increase from one place to the next; a place beyond HighScoreCount holds score 0, an empty
 *  name and level 0. */
struct HighScoreTable {
    std::array<HighScoreEntry, kHighScorePlaces> places; ///< place i is places[i - 1]
    int HighScoreCount = 0;                             ///< filled places, 0 to 5

    /** Place i, 1 to 5; an unfilled place reads as the empty entry. */
    [[nodiscard]] const HighScoreEntry& place(int i) const;

    friend bool operator==(const HighScoreTable&, const HighScoreTable&) = default;
};

/** The place a new score takes, 1 to 5, or 0 when it does not enter. A score of 0 never
 *  enters. In places 1 to 4 a score equal to the one there ranks above it (the newer game
 *  wins the tie); place 5 is taken only by a strictly greater score, so a tie with the fifth
 *  entry does not enter a full table. Unfilled places count as score 0, so a negative score
 *  never fills an empty place. */
[[nodiscard]] int PlaceForScore(const HighScoreTable& table, qint32 score);

/** The table with entry put into place (1 to HighScoreCount + 1, at most 5): the entries from
 *  that place on move down one place and the old fifth entry drops out. */
[[nodiscard]] HighScoreTable WithEntryAt(HighScoreTable table, int place, HighScoreEntry entry);

/** The table with entry ranked in by PlaceForScore; unchanged when the score does not enter. */
[[nodiscard]] HighScoreTable WithScore(HighScoreTable table, HighScoreEntry entry);

/** The table with each of entries ranked in by WithScore, in list order: how this run's
 *  unsaved games join a table another copy of the game may have written meanwhile. */
[[nodiscard]] HighScoreTable MergedTable(HighScoreTable table, const QList<HighScoreEntry>& entries);

/** A table of the best five of entries, in any order: sorted by score, best first, entries
 *  with equal scores keeping their order in the list. */
[[nodiscard]] HighScoreTable RankedTable(QList<HighScoreEntry> entries);

/** Whether an answer to the name prompt is short enough to be taken: at most 12 characters
 *  once upper-cased as TableName keeps it. */
[[nodiscard]] bool NameFits(QStringView answer);

/** The name as the table keeps it: upper case, a line break becoming a blank (a name is one
 *  line of the file). */
[[nodiscard]] QString TableName(QStringView answer);

} // namespace tintrix

// SPDX-License-Identifier: GPL-3.0-or-later
#include "HighScoreTable.h"

// Std
#include <algorithm>
#include <cassert>

namespace tintrix {

const HighScoreEntry& HighScoreTable::place(int i) const
{
    assert(i >= 1 && i <= kHighScorePlaces);
    return places[i - 1];
}

int PlaceForScore(const HighScoreTable& table, qint32 score)
{
    if (score == 0)
        return 0;
    for (int i = 1; i < kHighScorePlaces; ++i) {
        if (score >= table.place(i).Score)
            return i;
    }
    return score > table.place(kHighScorePlaces).Score ? kHighScorePlaces : 0;
}

HighScoreTable WithEntryAt(HighScoreTable table, int place, HighScoreEntry entry)
{
    // Filled places stay contiguous: a new entry never lands behind an unfilled place.
    assert(place >= 1 && place <= std::min(table.HighScoreCount + 1, kHighScorePlaces));
    auto& places = table.places;
    std::move_backward(places.begin() + place - 1, places.end() - 1, places.end());
    places[place - 1] = std::move(entry);
    table.HighScoreCount = std::min(table.HighScoreCount + 1, kHighScorePlaces);
    return table;
}

HighScoreTable WithScore(HighScoreTable table, HighScoreEntry entry)
{
    const int place = PlaceForScore(table, entry.Score);
    return place == 0 ? table : WithEntryAt(std::move(table), place, std::move(entry));
}

HighScoreTable MergedTable(HighScoreTable table, const QList<HighScoreEntry>& entries)
{
    for (const HighScoreEntry& entry : entries)
        table = WithScore(std::move(table), entry);
    return table;
}

HighScoreTable RankedTable(QList<HighScoreEntry> entries)
{
    std::stable_sort(entries.begin(), entries.end(),
                     [](const HighScoreEntry& a, const HighScoreEntry& b) { return a.Score > b.Score; });
    HighScoreTable table;
    table.HighScoreCount = int(std::min<qsizetype>(entries.size(), kHighScorePlaces));
    std::move(entries.begin(), entries.begin() + table.HighScoreCount, table.places.begin());
    return table;
}

bool NameFits(QStringView answer)
{
    // The name as stored, where "ß" has become "SS". Characters as the player sees them: a
    // letter outside the basic plane counts once.
    return TableName(answer).toUcs4().size() <= kMaxNameLength;
}

QString TableName(QStringView answer)
{
    QString name = answer.toString().toUpper();
    name.replace(QLatin1Char('\r'), QLatin1Char(' '));
    name.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return name;
}

} // namespace tintrix

// SPDX-License-Identifier: GPL-3.0-or-later
// The five best scores of the program: the table in memory, its file and the dialogs around it.
#pragma once

#include "HighScoreTable.h"

// Qt
#include <QList>
#include <QString>

// Std
#include <functional>
#include <optional>

class QWidget;

namespace tintrix {

class HighScoreStore;

/** The program-wide high score table, loaded at start-up and saved whenever a score enters.
 *  The file is "Hsl.hsl" in the program's folder; when that folder cannot be written, or holds
 *  something under that name that is not a high score file the game may replace, the table
 *  goes to the per-user data folder instead, which is then read first. */
class HighScoreBook {
public:
    /** Asks the player's name once; returns the answer, empty for Cancel, nothing when the
     *  program ends while it asks. */
    using NamePrompt = std::function<std::optional<QString>(QWidget* parent)>;
    /** Tells the player something about where the scores are kept. */
    using Notice = std::function<void(QWidget* parent, const QString& text)>;

    explicit HighScoreBook(QString programFolder);

    /** Reads the table; no file means an empty table, and nothing is created. */
    void LoadHighScores();

    /** Offers a finished game to the table. A score of 0, or one that does not rank, changes
     *  nothing and asks nothing. Otherwise asks the player's name (again while it is longer
     *  than 12 characters in upper case; dialogs parented to parent), enters it in upper case
     *  with the score and level, and saves at once, merging with what other copies of the game
     *  saved meanwhile. The first save of a run that lands in the per-user folder is told to
     *  the player, with the reason; a save that fails entirely is told too, and the entry
     *  stays in memory and is saved with the next one. */
    void RecordHighScore(qint32 score, int level, QWidget* parent);

    /** Shows HighScoreFrm modally with the current table. */
    void ShowHighScores(QWidget* parent) const;

    [[nodiscard]] const HighScoreTable& table() const { return m_table; }

    /** Replaces the "New High Score" input dialog (tests answer it directly). */
    void setNamePrompt(NamePrompt prompt);
    /** Replaces the information message box. */
    void setNotice(Notice notice);
    /** Replaces the per-user folder, QStandardPaths::AppDataLocation by default. */
    void setFallbackFolder(QString folder);

private:
    [[nodiscard]] HighScoreStore store() const;

    QString m_programFolder;
    QString m_fallbackFolder;       // empty: the standard per-user data folder
    HighScoreTable m_onDisk;        // as last read or written
    QList<HighScoreEntry> m_unsaved; // recorded this run, not yet in any file
    HighScoreTable m_table;         // m_onDisk with m_unsaved ranked in
    bool m_toldFallback = false;
    NamePrompt m_namePrompt;
    Notice m_notice;
};

} // namespace tintrix

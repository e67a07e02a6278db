// SPDX-License-Identifier: GPL-3.0-or-later
// The five best scores of the program: the table in memory, its file and the dialogs around it.
#pragma once

#include "HighScoreTable.h"

// Qt
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QList>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>

// Std
#include <functional>
#include <optional>

namespace tintrix {

class HighScoreStore;

/** The program-wide high score table, loaded at start-up and saved whenever a score enters.
 *  The file is "Hsl.hsl" in the program's folder; when that folder cannot be written, or holds
 *  something under that name that is not a high score file the game may replace, the table
 *  goes to the per-user data folder instead, which is then read first. */
class HighScoreBook {
    Q_DECLARE_TR_FUNCTIONS(HighScoreBook)

public:
    /** Asks the player's name once; returns the answer, empty for Cancel, nothing when the
     *  program ends while it asks. */
    using NamePrompt = std::function<std::optional<QString>(QWidget* parent)>;
    /** Tells the player something about where the scores are kept. */
    using Notice = std::function<void(QWidget* parent, const QString& text)>;

    explicit HighScoreBook(QString programFolder);
    /** A save still waiting for another copy of the game is finished here, waiting a few
     *  seconds at most: the program is ending and has no window left to keep answering. */
    ~HighScoreBook();
    HighScoreBook(const HighScoreBook&) = delete;
    HighScoreBook& operator=(const HighScoreBook&) = delete;

    /** Reads the table; no file means an empty table, and nothing is created. */
    void LoadHighScores();

    /** Offers a finished game to the table. A score of 0, or one that does not rank, changes
     *  nothing and asks nothing. Otherwise asks the player's name (again while it is longer
     *  than 12 characters in upper case; dialogs parented to parent), enters it in upper case
     *  with the score and level, and saves at once, merging with what other copies of the game
     *  saved meanwhile. Never waits for another copy: while one holds the file's lock the save
     *  is tried again every kRetryMs by itself, and a wait longer than kTellWaitingMs is told
     *  to the player. The first save of a run that lands in the per-user folder is told to
     *  the player, with the reason, and so is the first that leaves something other than a
     *  high score file under the per-user file's name alone; a save that fails entirely is
     *  told too, and the entry stays in memory and is saved with the next one. */
    void RecordHighScore(qint32 score, int level, QWidget* parent);

    /** Shows HighScoreFrm modally with the current table, at the size factor of the board
     *  window it opens over. */
    void ShowHighScores(QWidget* parent, double zoom) const;

    [[nodiscard]] const HighScoreTable& table() const { return m_table; }
    /** Whether entries wait for another copy of the game to finish saving. */
    [[nodiscard]] bool savePending() const { return m_retry.isActive(); }

    static constexpr int kRetryMs = 100;
    static constexpr int kTellWaitingMs = 2000;
    static constexpr int kLastWaitMs = 8000; ///< how long the program's end waits

    /** Enters a finished game whose name is known already (an ended game found at start-up),
     *  as RecordHighScore does once the player has answered. */
    void RecordNamedScore(qint32 score, int level, const QString& name, QWidget* parent);

    /** How many entries of the high score file, as it is now, are exactly entry. */
    [[nodiscard]] int CountOnDisk(const HighScoreEntry& entry) const;

    /** Called for each entry the player has named, just before the table is saved with it,
     *  with how many entries just like it the file held: whoever keeps the ended game marks
     *  it, so that a game whose score reached the file is never entered twice. */
    using BeforeSave = std::function<void(const HighScoreEntry& entry, int sameOnDisk)>;
    void setBeforeSave(BeforeSave beforeSave);

    /** Replaces the "New High Score" input dialog (tests answer it directly). */
    void setNamePrompt(NamePrompt prompt);
    /** Replaces the information message box. */
    void setNotice(Notice notice);
    /** Replaces the per-user folder, QStandardPaths::AppDataLocation by default. */
    void setFallbackFolder(QString folder);

private:
    [[nodiscard]] HighScoreStore store() const;
    /** Saves m_unsaved, or leaves it to the retry timer while another copy holds the lock. */
    void enter(const HighScoreEntry& entry, QWidget* parent);
    void saveUnsaved();
    void retrySave();

    QString m_programFolder;
    QString m_fallbackFolder;       // empty: the standard per-user data folder
    HighScoreTable m_onDisk;        // as last read or written
    QList<HighScoreEntry> m_unsaved; // recorded this run, not yet in any file
    HighScoreTable m_table;         // m_onDisk with m_unsaved ranked in
    bool m_toldFallback = false;
    bool m_toldKeptHere = false;    // told that the per-user file's name holds something else
    bool m_toldWaiting = false;
    QPointer<QWidget> m_parent;     // of the last game recorded: notices of a later save
    QTimer m_retry;
    QElapsedTimer m_waitingSince;
    NamePrompt m_namePrompt;
    Notice m_notice;
    BeforeSave m_beforeSave;
};

} // namespace tintrix

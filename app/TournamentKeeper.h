// SPDX-License-Identifier: GPL-3.0-or-later
// The tournament in progress kept across runs: resumed at start-up, written at every change.
#pragma once

#include "TournamentStore.h"

// Qt
#include <QObject>
#include <QString>

// Qt
#include <QTimer>

// Std
#include <optional>

namespace tintrix {

class Form1;
class HighScoreBook;
struct HighScoreEntry;

/** Keeps the board's tournament in the data folder. Resume() runs once, when the board is
 *  shown: it takes the folder for this copy of the game, goes on with the tournament found
 *  there (or offers a game that had ended to the high score table), tells the player in one
 *  message why a file was not trusted, and from then on writes every change the board reports,
 *  removing the file when a game over has been closed. A change is written as soon as the
 *  board's event loop comes round again, several at once as one: the check button starts the
 *  peg timer first, and the write (synced to the disk) then happens long before the first peg
 *  falls, without delaying it.
 *
 *  A game that has ended is kept until its score is in the high score file. Once the player
 *  has named it, and before the file is saved, the kept game is marked with the name and
 *  with how many entries just like it the file held: should the program end before the game
 *  is let go, the next start enters it under that name only if the file does not hold it
 *  yet, so a score is neither lost nor entered twice. */
class TournamentKeeper : public QObject {
    Q_OBJECT
public:
    TournamentKeeper(Form1& board, HighScoreBook& scores, QString folder);
    /** Writes a change not yet written. */
    ~TournamentKeeper() override;

    /** True when a tournament was resumed. */
    bool Resume();

    [[nodiscard]] TournamentStore& store() { return m_store; }

private:
    void keep();
    void flush();
    void tell(const QString& text);
    void mark(const HighScoreEntry& entry, int sameOnDisk);

    Form1& m_board;
    HighScoreBook& m_scores;
    TournamentStore m_store;
    bool m_pending = false; // a change waits to be written
    std::optional<SavedGame> m_over; // an ended game marked, until its score is in the file
    QTimer m_scoresWait;             // while the high score file waits for another copy

};

} // namespace tintrix

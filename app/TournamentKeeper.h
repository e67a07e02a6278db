// SPDX-License-Identifier: GPL-3.0-or-later
// The tournament in progress kept across runs: resumed at start-up, written at every change.
#pragma once

#include "TournamentStore.h"

// Qt
#include <QObject>
#include <QString>

namespace tintrix {

class Form1;
class HighScoreBook;

/** Keeps the board's tournament in the data folder. Resume() runs once, when the board is
 *  shown: it takes the folder for this copy of the game, goes on with the tournament found
 *  there (or offers a game that had ended to the high score table), tells the player in one
 *  message why a file was not trusted, and from then on writes every change the board reports,
 *  removing the file when a game over has been closed. A change is written as soon as the
 *  board's event loop comes round again, several at once as one: the check button starts the
 *  peg timer first, and the write (synced to the disk) then happens long before the first peg
 *  falls, without delaying it. */
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

    Form1& m_board;
    HighScoreBook& m_scores;
    TournamentStore m_store;
    bool m_pending = false; // a change waits to be written

};

} // namespace tintrix

// SPDX-License-Identifier: GPL-3.0-or-later
// The five best scores of the program and their file.
#pragma once

#include <QString>

class QWidget;

namespace tintrix {

/** The program-wide high score table, loaded at start-up and saved whenever a score enters. */
class HighScoreBook {
public:
    explicit HighScoreBook(QString programFolder);

    /** Reads the table from the program's folder; no file means an empty table. */
    void LoadHighScores();

    /** Offers the end of a game to the table: asks the player's name (dialogs parented to
     *  parent) when the score enters, then saves the table. */
    void RecordHighScore(qint32 score, int level, QWidget* parent);

    /** Shows the table window modally. */
    void ShowHighScores(QWidget* parent) const;

private:
    QString m_programFolder;
};

} // namespace tintrix

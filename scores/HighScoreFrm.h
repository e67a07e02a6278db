// SPDX-License-Identifier: GPL-3.0-or-later
// The window that shows the high score table.
#pragma once

#include "HighScoreTable.h"

// Qt
#include <QDialog>

// Std
#include <array>

class QLabel;
class QPushButton;

namespace tintrix {

/** Labels of one column of the table window, numbered 1 to 5 like the places. */
class PlaceLabels {
public:
    QLabel*& operator[](int i);
    QLabel* operator[](int i) const;

private:
    std::array<QLabel*, kHighScorePlaces> m_labels{};
};

// High score window: shows the table it was given when it opened; both buttons close it.
class HighScoreFrm : public QDialog {
    Q_OBJECT
public:
    /** Fills the labels from table; the window keeps no reference to it. It is laid out at the
     *  size factor of the board it opens over (1 is the normal size). */
    explicit HighScoreFrm(const HighScoreTable& table, double zoom = 1.0, QWidget* parent = nullptr);

    PlaceLabels NameLbl;             // player names, left
    PlaceLabels ScoreLbl;            // scores, middle
    PlaceLabels LevelTxt;            // "LEVEL " and the level, right
    QPushButton* Command1 = nullptr; // "OK": closes
    QPushButton* Command2 = nullptr; // "Cancel": closes too
};

} // namespace tintrix

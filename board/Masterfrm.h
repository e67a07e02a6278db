// SPDX-License-Identifier: GPL-3.0-or-later
// The window that reveals the secret combination at the end of a game.
#pragma once

#include <QDialog>

#include <array>

class QGroupBox;
class QLabel;
class QPushButton;

namespace tintrix {

class ImageControl;

class Masterfrm : public QDialog {
    Q_OBJECT
public:
    explicit Masterfrm(QWidget* parent = nullptr);

    std::array<ImageControl*, 6> Image1{}; // the secret's holes; beyond the level's holes an X
    QPushButton* Command1 = nullptr;        // "OK"
    QPushButton* Command2 = nullptr;        // "Cancel"

    /** Sizes the window and its lettering to the board's size factor zoom (1 is normal). */
    void FitToBoard(double zoom);

private:
    QFont m_normalFont;
    QLabel* m_heading = nullptr;
    QGroupBox* m_frame = nullptr;
};

} // namespace tintrix

// SPDX-License-Identifier: GPL-3.0-or-later
// The window that reveals the secret combination at the end of a game.
#pragma once

#include <QDialog>

#include <array>

class ImageControl;
class QPushButton;

namespace tintrix {

class Masterfrm : public QDialog {
    Q_OBJECT
public:
    explicit Masterfrm(QWidget* parent = nullptr);

    std::array<ImageControl*, 6> Image1{}; // the secret's holes; beyond the level's holes an X
    QPushButton* Command1 = nullptr;        // "OK"
    QPushButton* Command2 = nullptr;        // "Cancel"
};

} // namespace tintrix

// SPDX-License-Identifier: GPL-3.0-or-later
// The about box.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace tintrix {

class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);

    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* Image1 = nullptr;
    QPushButton* cmdOK = nullptr;

private:
    void Form_Load();
};

} // namespace tintrix

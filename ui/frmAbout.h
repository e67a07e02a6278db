// SPDX-License-Identifier: GPL-3.0-or-later
// The about box: the program's picture, title and version.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace tintrix {

/** Opened modally from the Help menu; "OK" or the close box closes it. */
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);

    QLabel* lblTitle = nullptr;   // the application's title
    QLabel* lblVersion = nullptr; // "Version major.minor.revision"
    QLabel* Image1 = nullptr;     // the program's picture
    QPushButton* cmdOK = nullptr; // closes the box

private:
    void Form_Load();
    void cmdOK_Click();
};

} // namespace tintrix

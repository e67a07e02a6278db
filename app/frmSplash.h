// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up window: the animated logo, the name and the version, for 2.7 seconds.
#pragma once

#include <QDialog>
#include <QTimer>

class QLabel;

namespace tintrix {

class frmSplash : public QDialog {
    Q_OBJECT
public:
    explicit frmSplash(QWidget* parent = nullptr);

    QLabel* imgLogo = nullptr; // shows the animation
    QLabel* M = nullptr;       // title
    QLabel* Label1 = nullptr;  // version

private:
    void Timer1_Timer();
    void Timer2_Timer();

    QTimer Timer1; // closes the splash
    QTimer Timer2; // advances the logo animation
    int LogoFrame = 0; // next frame to show; 0 before the first tick
};

} // namespace tintrix

// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up window: the animated logo, the name and the version, for 2.7 seconds.
#pragma once

#include <QDialog>
#include <QPixmap>
#include <QTimer>

class QLabel;

namespace tintrix {

/** Shown modally at start-up; closes itself 2700 ms after it loads. The logo runs through its
 *  three frames, one every 75 ms. Both times are multiplied by the time scale (1 for players). */
class frmSplash : public QDialog {
    Q_OBJECT
public:
    explicit frmSplash(double timeScale = 1.0, QWidget* parent = nullptr);

    /** Shows the splash modally and returns once it has closed itself, even when its time
     *  ran out before the modal loop started. */
    int exec() override;

    QLabel* imgLogo = nullptr; // shows the animation
    QLabel* M = nullptr;       // title
    QLabel* Label1 = nullptr;  // version

    /** The next frame the animation will show: 0 before the first tick, afterwards 1 to 4
     *  (4 wraps round to 1 on the next tick). */
    [[nodiscard]] int logoFrame() const { return LogoFrame; }

    /** The frame imgLogo shows now, 1 to 3. */
    [[nodiscard]] int shownFrame() const { return m_shownFrame; }

signals:
    /** After each animation tick: the frame it put in imgLogo, or 0 when it showed nothing new. */
    void logoTicked(int frame);

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Timer1_Timer();
    void Timer2_Timer();
    void showFrame(int frame);

    // The three frames of the logo animation.
    QPixmap imglogo1;
    QPixmap imglogo2;
    QPixmap imglogo3;
    QTimer Timer1;      // closes the splash
    QTimer Timer2;      // advances the logo animation
    int LogoFrame = 0;  // next frame to show; 0 ("empty") before the first tick
    int m_shownFrame = 1;
};

} // namespace tintrix

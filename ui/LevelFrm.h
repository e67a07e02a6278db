// SPDX-License-Identifier: GPL-3.0-or-later
// The banner that announces a level or the end of a game for three seconds.
#pragma once

#include <QDialog>
#include <QPointer>
#include <QTimer>

#include <functional>

class QLabel;

namespace tintrix {

/** What the board hands to its banner: its size factor, which the banner grows by, and the
 *  factor applied to the banner's time (1 for players). */
struct BannerScale {
    double zoom = 1.0;
    double time = 1.0;
};

/** Shown modally over the board window; closes itself 3000 ms after it loads and
 *  cannot be dismissed earlier. The caller sets both lines before showing it. */
class LevelFrm : public QDialog {
    Q_OBJECT
public:
    explicit LevelFrm(QWidget* boardWindow, BannerScale scale = {});

    /** Shows the banner modally and returns once it has closed itself, even when it closed
     *  before the modal loop started. */
    int exec() override;

    /** The size and time factors the banner was made with. */
    [[nodiscard]] BannerScale scale() const { return m_scale; }

    QLabel* Label1 = nullptr; // heading line
    QLabel* Label2 = nullptr; // detail line

    /** Shows the banner with the two lines, modal for the whole program, and returns at once;
     *  then runs once the banner has closed itself. */
    static void Announce(QWidget* boardWindow, BannerScale scale, const QString& line1, const QString& line2,
                         std::function<void()> then);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Form_Load();
    void Timer1_Timer();

    QPointer<QWidget> m_board;
    BannerScale m_scale;
    QTimer Timer1; // closes the banner
    bool m_closing = false;
};

} // namespace tintrix

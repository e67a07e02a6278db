// SPDX-License-Identifier: GPL-3.0-or-later
// How large the board is drawn, and the window fitted around it.
#pragma once

// Qt
#include <QFont>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QTimer>

class QMainWindow;
class QWidget;

namespace tintrix {

class Preferences;

/** The board's size factor and the window around it. The board is laid out in twips at the
 *  normal size (factor 1); everything placed through this object stands at its twips times the
 *  factor, centred in a window made larger by hand. A keyboard step fits the window to the
 *  board at the new size; a window resized by hand gets the largest board that fits, worked out
 *  once the resizing pauses. The factor never makes the window larger than the screen's
 *  available area. The size is stored in the preferences once it has settled, and never at
 *  start-up. */
class BoardSize : public QObject {
    Q_OBJECT
public:
    static constexpr double kMinZoom = 1.0;   ///< the normal size: the layout table as it stands
    static constexpr double kMaxZoom = 3.0;
    static constexpr double kZoomStep = 0.25; ///< one step of Ctrl++ or Ctrl+-

    BoardSize(QMainWindow& window, Preferences& prefs);
    ~BoardSize() override;

    [[nodiscard]] double zoom() const { return m_zoom; }
    /** Logical pixels for a length in twips at the board's size. */
    [[nodiscard]] int px(int twips) const;
    /** A factor clamped to the range and rounded to a twentieth. */
    [[nodiscard]] static double Clamp(double zoom);

    /** Places a control at twips, remembered exactly, in pixels at the board's size. */
    void place(QWidget* w, int left, int top, int width, int height);
    void place(QWidget* w, const QRect& twips) { place(w, twips.x(), twips.y(), twips.width(), twips.height()); }
    /** A control's position and size in twips, as it was placed. */
    [[nodiscard]] static QRect TwipGeometry(const QWidget* control);

    /** The window's outer size at the normal size, frame included, in twips (the layout
     *  table's): the board area is this less the frame, above the status bar. */
    void setWindowTwips(int width, int tableHeight);
    [[nodiscard]] int WidthTwips() const { return m_widthTwips; }
    [[nodiscard]] int HeightTwips() const;
    [[nodiscard]] int StatusBarHeightTwips() const;

    /** Start-up: the stored size, written nowhere. */
    void restore();
    void ZoomIn_Click();
    void ZoomOut_Click();
    void ZoomReset_Click();

signals:
    /** The factor changed: the pictures are to be drawn again for it. Several quick changes
     *  give one signal, at most one every kRedrawMs and always for the last size. */
    void redrawNeeded();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void step(double zoom);
    void setZoom(double zoom);
    void fitWindow();
    void fitBoardToWindow();
    void placeAll();
    void requestRedraw();
    [[nodiscard]] QSize boardTwips() const;
    [[nodiscard]] QSize boardPixels(double zoom) const;
    [[nodiscard]] double largestFitting() const;

    static constexpr int kRedrawMs = 100;
    static constexpr int kSettleMs = 400;

    QMainWindow& m_window;
    Preferences& m_prefs;
    double m_zoom = 1.0;
    QPoint m_offset;          // where the board stands in a window larger than it
    int m_widthTwips = 0;
    int m_tableHeightTwips = 0;
    bool m_sizing = false;    // the window is being sized to the board
    QSize m_sized;            // the board area the window was last sized to
    int m_statusHeight = 0;   // the status bar's height at the normal size, in pixels
    QTimer m_fit;             // a window resized by hand: the board follows once events pause
    QTimer m_redraw;          // spaces the pictures' redraws
    bool m_redrawPending = false;
    QTimer m_settle;          // the size is stored once it has stayed for a while
};

} // namespace tintrix

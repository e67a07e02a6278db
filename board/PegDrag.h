// SPDX-License-Identifier: GPL-3.0-or-later
// Dragging pegs with the mouse, and pressed buttons that must come back up.
#pragma once

// Qt
#include <QObject>
#include <QPoint>
#include <QPointer>

class QLabel;
class QWidget;

namespace tintrix {

class ImageControl;

/** One drag at a time: a peg picture that follows the pointer from the control it started on
 *  until the button is let go. A drag (and any pressed button of the board) ends, dropped
 *  nowhere, whenever play stops, the board is disabled, a modal window opens, the window loses
 *  the focus or the pointer is taken away; the next click then works as usual. */
class PegDrag : public QObject {
    Q_OBJECT
public:
    /** area is the board, over which the dragged peg is drawn; window is watched for modal
     *  windows and the loss of the focus. */
    PegDrag(QWidget* area, QWidget* window);

    /** Makes control draggable and its presses tracked. */
    void watch(ImageControl* control);
    /** Whether a row is being filled: when not, any drag and press end. */
    void setPlaying(bool playing);
    /** Ends the drag and any press without a drop. */
    void cancel();
    [[nodiscard]] bool dragging() const { return !m_source.isNull(); }

signals:
    /** The button was let go over `target` (nullptr off the board) with a drag from source. */
    void dropped(ImageControl* source, QWidget* target);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void start(ImageControl* source);
    void move(QPoint globalPos);
    void drop(QPoint globalPos);

    QWidget* m_area;
    QLabel* m_peg;                      // the dragged peg's picture, following the pointer
    QPointer<ImageControl> m_source;    // the control a drag started from
    QPointer<ImageControl> m_pressed;   // the control the button went down on
    bool m_playing = false;
};

} // namespace tintrix

// SPDX-License-Identifier: GPL-3.0-or-later
// The image control behind every hole, colour-bar entry and undo or redo button.
#pragma once

#include <QPixmap>
#include <QWidget>

namespace tintrix {

/** Shows a picture at its natural size, centred and clipped, with a single border or a flat,
 *  raised or sunken look. The single border and the raised or sunken look exclude each other:
 *  setting the border makes the control flat, and raising or sinking it removes the border. */
class ImageControl : public QWidget {
    Q_OBJECT
public:
    enum class Border { None = 0, Single = 1 };
    enum class Effect { Flat = 0, Raised = 1, Sunken = 2 };

    explicit ImageControl(QWidget* parent = nullptr);

    void setPicture(const QPixmap& picture);
    [[nodiscard]] const QPixmap& picture() const { return m_picture; }

    /** Shows the picture faded while the control is disabled (the check button between checks).
     *  Holes keep their look when their container is disabled. */
    void setDimWhenDisabled(bool dim) { m_dimWhenDisabled = dim; }

    /** Marks the control as the keyboard's cursor (a bright frame inside the edge). */
    void setCursorMark(bool marked);
    [[nodiscard]] bool cursorMark() const { return m_cursor; }

    void setBorderStyle(Border border);
    [[nodiscard]] Border borderStyle() const { return m_border; }
    void setSpecialEffect(Effect effect);
    [[nodiscard]] Effect specialEffect() const { return m_effect; }

    /** Draws borders, looks and the cursor frame grown by zoom, to go with a grown picture. */
    void setZoom(double zoom);

    /** Whether pressing and moving the mouse drags the picture instead of clicking. */
    void setDragSource(bool source) { m_dragSource = source; }
    [[nodiscard]] bool dragSource() const { return m_dragSource; }
    /** Forgets a press or drag in progress, as if the button had come up elsewhere: the
     *  release that may follow does nothing and the next press starts afresh. */
    void cancelPress();

signals:
    void clicked();
    void mouseDown();
    void mouseUp();
    /** The mouse moved far enough with the button down on a drag source: a drag begins. */
    void dragStarted();
    /** The dragged picture is at globalPos (screen coordinates). */
    void dragMoved(QPoint globalPos);
    /** The button was let go at globalPos: the drag ends there (no click follows). */
    void dragDropped(QPoint globalPos);

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QPixmap m_picture;
    Border m_border = Border::None;
    Effect m_effect = Effect::Flat;
    bool m_pressed = false;
    bool m_dragSource = false;
    bool m_dragging = false;
    QPoint m_pressedAt;
    double m_zoom = 1.0;
    bool m_cursor = false;
    bool m_dimWhenDisabled = false;
};

} // namespace tintrix

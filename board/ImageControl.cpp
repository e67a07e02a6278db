// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImageControl.h"

// Qt
#include <QApplication>
#include <QEvent>
#include <QMouseEvent>

#include <utility>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace tintrix {

ImageControl::ImageControl(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void ImageControl::setPicture(const QPixmap& picture)
{
    // The board shows its whole state after every move: repaint only what changes.
    if (picture.cacheKey() == m_picture.cacheKey())
        return;
    m_picture = picture;
    update();
}

void ImageControl::setCursorMark(bool marked)
{
    if (m_cursor == marked)
        return;
    m_cursor = marked;
    update();
}

void ImageControl::setBorderStyle(Border border)
{
    if (border == m_border && (border != Border::Single || m_effect == Effect::Flat))
        return;
    m_border = border;
    if (border == Border::Single)
        m_effect = Effect::Flat;
    update();
}

void ImageControl::setSpecialEffect(Effect effect)
{
    if (effect == m_effect && (effect == Effect::Flat || m_border == Border::None))
        return;
    m_effect = effect;
    if (effect != Effect::Flat)
        m_border = Border::None;
    update();
}

void ImageControl::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange && !isEnabled())
        cancelPress();
    if (event->type() == QEvent::EnabledChange && m_dimWhenDisabled)
        update();
    QWidget::changeEvent(event);
}

void ImageControl::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect r = rect();

    if (!m_picture.isNull()) {
        if (m_dimWhenDisabled && !isEnabled())
            p.setOpacity(0.4);
        // Natural size in logical pixels, centred; the widget's rectangle clips it.
        const QSizeF size = m_picture.deviceIndependentSize();
        const QPointF topLeft((r.width() - size.width()) / 2.0, (r.height() - size.height()) / 2.0);
        p.drawPixmap(topLeft, m_picture);
        p.setOpacity(1.0);
    }

    const QColor light(255, 255, 255, 200);
    const QColor mid(0, 0, 0, 70);
    const QColor dark(0, 0, 0, 170);
    // Lines one logical pixel wide at the normal size, grown with the board.
    const int w = std::max(1, int(std::lround(m_zoom)));
    switch (m_effect) {
    case Effect::Flat:
        if (m_border == Border::Single) {
            p.setPen(dark);
            p.drawRect(r.adjusted(0, 0, -1, -1));
            for (int i = 1; i < w; ++i)
                p.drawRect(r.adjusted(i, i, -1 - i, -1 - i));
        }
        break;
    case Effect::Raised:
    case Effect::Sunken: {
        const bool raised = m_effect == Effect::Raised;
        const QColor topLeft = raised ? light : dark;
        const QColor bottomRight = raised ? dark : light;
        p.fillRect(QRect(0, 0, r.width(), w), topLeft);
        p.fillRect(QRect(0, 0, w, r.height()), topLeft);
        p.fillRect(QRect(0, r.height() - w, r.width(), w), bottomRight);
        p.fillRect(QRect(r.width() - w, 0, w, r.height()), bottomRight);
        if (!raised) {
            // A pressed button: shade the face so the press reads at a glance.
            p.fillRect(r.adjusted(w, w, -w, -w), mid);
        }
        break;
    }
    }

    if (m_cursor) {
        const double z = m_zoom;
        p.setPen(QPen(QColor(255, 214, 64), 2 * z));
        p.setBrush(Qt::NoBrush);
        p.setRenderHint(QPainter::Antialiasing);
        p.drawRoundedRect(QRectF(r).adjusted(2 * z, 2 * z, -2 * z, -2 * z), 4 * z, 4 * z);
    }
}

void ImageControl::setZoom(double zoom)
{
    m_zoom = zoom;
    update();
}

void ImageControl::cancelPress()
{
    const bool pressed = std::exchange(m_pressed, false);
    m_dragging = false;
    if (pressed)
        emit mouseUp();
}

void ImageControl::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    m_pressed = true;
    m_pressedAt = event->position().toPoint();
    emit mouseDown();
}

void ImageControl::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_pressed || !m_dragSource) {
        event->ignore();
        return;
    }
    if (!m_dragging && (event->position().toPoint() - m_pressedAt).manhattanLength() >= QApplication::startDragDistance()) {
        m_dragging = true;
        emit dragStarted();
    }
    if (m_dragging)
        emit dragMoved(event->globalPosition().toPoint());
}

void ImageControl::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_pressed) {
        event->ignore();
        return;
    }
    m_pressed = false;
    emit mouseUp();
    if (m_dragging) {
        m_dragging = false;
        emit dragDropped(event->globalPosition().toPoint());
    } else if (rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

} // namespace tintrix

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImageControl.h"

// Qt
#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

ImageControl::ImageControl(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void ImageControl::setPicture(const QPixmap& picture)
{
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
    m_border = border;
    if (border == Border::Single)
        m_effect = Effect::Flat;
    update();
}

void ImageControl::setSpecialEffect(Effect effect)
{
    m_effect = effect;
    if (effect != Effect::Flat)
        m_border = Border::None;
    update();
}

void ImageControl::changeEvent(QEvent* event)
{
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
    const QRect edge = r.adjusted(0, 0, -1, -1);
    switch (m_effect) {
    case Effect::Flat:
        if (m_border == Border::Single) {
            p.setPen(dark);
            p.drawRect(edge);
        }
        break;
    case Effect::Raised:
    case Effect::Sunken: {
        const bool raised = m_effect == Effect::Raised;
        const QColor topLeft = raised ? light : dark;
        const QColor bottomRight = raised ? dark : light;
        p.setPen(topLeft);
        p.drawLine(edge.topLeft(), edge.topRight());
        p.drawLine(edge.topLeft(), edge.bottomLeft());
        p.setPen(bottomRight);
        p.drawLine(edge.bottomLeft(), edge.bottomRight());
        p.drawLine(edge.topRight(), edge.bottomRight());
        if (!raised) {
            // A pressed button: shade the face so the press reads at a glance.
            p.fillRect(r.adjusted(1, 1, -1, -1), mid);
        }
        break;
    }
    }

    if (m_cursor) {
        QPen pen(QColor(255, 214, 64), 2);
        p.setPen(pen);
        p.setRenderHint(QPainter::Antialiasing);
        p.drawRoundedRect(QRectF(r).adjusted(2, 2, -2, -2), 4, 4);
    }
}

void ImageControl::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    m_pressed = true;
    emit mouseDown();
}

void ImageControl::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_pressed) {
        event->ignore();
        return;
    }
    m_pressed = false;
    emit mouseUp();
    if (rect().contains(event->position().toPoint()))
        emit clicked();
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Dragging pegs, and presses that end when play stops.
#include "PegDrag.h"

// own
#include "ImageControl.h"

// Qt
#include <QEvent>
#include <QLabel>

namespace tintrix {

PegDrag::PegDrag(QWidget* area, QWidget* window) : QObject(area), m_area(area), m_peg(new QLabel(area))
{
    m_peg->setObjectName("DraggedPeg");
    m_peg->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_peg->setAlignment(Qt::AlignCenter);
    m_peg->hide();
    window->installEventFilter(this);
}

void PegDrag::watch(ImageControl* control)
{
    connect(control, &ImageControl::mouseDown, this, [this, control] { m_pressed = control; });
    connect(control, &ImageControl::mouseUp, this, [this, control] {
        if (m_pressed == control)
            m_pressed = nullptr;
    });
    connect(control, &ImageControl::dragStarted, this, [this, control] { start(control); });
    connect(control, &ImageControl::dragMoved, this, &PegDrag::move);
    connect(control, &ImageControl::dragDropped, this, &PegDrag::drop);
}

void PegDrag::setPlaying(bool playing)
{
    m_playing = playing;
    if (!playing)
        cancel();
}

void PegDrag::cancel()
{
    m_source = nullptr;
    m_peg->hide();
    // The control forgets the press, so its release or the next click is taken afresh.
    if (ImageControl* pressed = m_pressed.data()) {
        m_pressed = nullptr;
        pressed->cancelPress();
    }
}

bool PegDrag::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::WindowBlocked:    // a modal window opened
    case QEvent::WindowDeactivate: // the focus went to another window
    case QEvent::EnabledChange:
        cancel();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void PegDrag::start(ImageControl* source)
{
    if (!m_playing)
        return;
    m_source = source;
    m_peg->setPixmap(source->picture());
    m_peg->resize(source->size());
    m_peg->raise();
    m_peg->show();
}

void PegDrag::move(QPoint globalPos)
{
    if (m_source)
        m_peg->move(m_area->mapFromGlobal(globalPos) - QPoint(m_peg->width() / 2, m_peg->height() / 2));
}

void PegDrag::drop(QPoint globalPos)
{
    ImageControl* source = m_source.data();
    m_source = nullptr;
    m_peg->hide();
    if (source && m_playing)
        emit dropped(source, m_area->childAt(m_area->mapFromGlobal(globalPos)));
}

} // namespace tintrix

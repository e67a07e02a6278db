// SPDX-License-Identifier: GPL-3.0-or-later
// The board's size factor and the window fitted around the board.
#include "BoardSize.h"

// own
#include "BoardLayout.h"
#include "Preferences.h"
#include "Twips.h"
#include "Zoom.h"

// Qt
#include <QCoreApplication>
#include <QEvent>
#include <QLayout>
#include <QMainWindow>
#include <QScreen>
#include <QStatusBar>
#include <QVariant>

#include <algorithm>
#include <cmath>

namespace tintrix {

BoardSize::BoardSize(QMainWindow& window, Preferences& prefs) : m_window(window), m_prefs(prefs)
{
    m_fit.setSingleShot(true);
    m_fit.setInterval(0);
    connect(&m_fit, &QTimer::timeout, this, &BoardSize::fitBoardToWindow);
    m_redraw.setSingleShot(true);
    m_redraw.setInterval(kRedrawMs);
    connect(&m_redraw, &QTimer::timeout, this, [this] {
        if (std::exchange(m_redrawPending, false)) {
            emit redrawNeeded();
            m_redraw.start();
        }
    });
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMs);
    connect(&m_settle, &QTimer::timeout, this, [this] { m_prefs.setZoom(m_zoom); });
}

BoardSize::~BoardSize()
{
    // A size chosen just before leaving is kept too.
    if (m_settle.isActive())
        m_prefs.setZoom(m_zoom);
}

double BoardSize::Clamp(double zoom)
{
    if (!std::isfinite(zoom))
        return kMinZoom;
    return std::round(std::clamp(zoom, kMinZoom, kMaxZoom) * 20.0) / 20.0;
}

int BoardSize::px(int twips) const
{
    return ZoomedTwips(twips, m_zoom);
}

QRect BoardSize::TwipGeometry(const QWidget* control)
{
    // Controls remember their twip geometry exactly; pixels would round it.
    const QVariant v = control->property("twips");
    if (v.isValid())
        return v.toRect();
    const QRect g = control->geometry();
    return {ToTwips(g.x()), ToTwips(g.y()), ToTwips(g.width()), ToTwips(g.height())};
}

void BoardSize::place(QWidget* w, int left, int top, int width, int height)
{
    w->setProperty("twips", QRect(left, top, width, height));
    // The board's own containers stand in the middle of a window larger than the board.
    const QPoint offset = w->parentWidget() == m_window.centralWidget() ? m_offset : QPoint();
    w->setGeometry(px(left) + offset.x(), px(top) + offset.y(), px(width), px(height));
}

int BoardSize::StatusBarHeightTwips() const
{
    return ToTwips(m_window.statusBar()->sizeHint().height());
}

int BoardSize::HeightTwips() const
{
    return StatusBarHeightTwips() + m_tableHeightTwips;
}

QSize BoardSize::boardTwips() const
{
    // The window's frame, title and menu bar take their share of the laid-out size; the board
    // gets the rest above the status bar.
    return {m_widthTwips - kFrameWidth, m_tableHeightTwips - kFrameHeight};
}

QSize BoardSize::boardPixels(double zoom) const
{
    const QSize t = boardTwips();
    auto at = [zoom](int twips) { return int(std::lround(double(twips) * zoom / kTwipsPerPixel)); };
    return {at(t.width()), at(t.height())};
}

void BoardSize::setWindowTwips(int width, int tableHeight)
{
    m_widthTwips = width;
    m_tableHeightTwips = tableHeight;
    fitWindow();
}

void BoardSize::restore()
{
    setZoom(Clamp(m_prefs.zoom()));
    fitWindow();
}

void BoardSize::ZoomIn_Click() { step(m_zoom + kZoomStep); }
void BoardSize::ZoomOut_Click() { step(m_zoom - kZoomStep); }
void BoardSize::ZoomReset_Click() { step(kMinZoom); }

void BoardSize::step(double zoom)
{
    // Each step fits the window to the board at the new size, smaller as well as larger.
    setZoom(std::min(Clamp(zoom), largestFitting()));
    fitWindow();
    m_settle.start();
}

double BoardSize::largestFitting() const
{
    // What the window needs besides the board (menu bar, status bar, frame) grows a little
    // with the board's font; a step of a twentieth is taken back until the frame fits.
    const QScreen* screen = m_window.screen();
    if (!screen || boardTwips().isEmpty())
        return kMaxZoom;
    const QSize available = screen->availableGeometry().size();
    const QSize frame = m_window.frameGeometry().size() - m_window.size();
    const QSize chrome = m_window.size() - m_window.centralWidget()->size();
    for (double z = kMaxZoom; z > kMinZoom; z = Clamp(z - 0.05)) {
        const QSize outer = boardPixels(z) + frame + chrome * (0.5 + 0.5 * z / m_zoom);
        if (outer.width() <= available.width() && outer.height() <= available.height())
            return z;
    }
    return kMinZoom;
}

void BoardSize::setZoom(double zoom)
{
    zoom = Clamp(zoom);
    if (zoom == m_zoom)
        return;
    QStatusBar* status = m_window.statusBar();
    if (m_statusHeight == 0)
        m_statusHeight = status->sizeHint().height();
    m_zoom = zoom;
    // At the normal size the status bar takes the window's font again, exactly as at start.
    const QFont font = zoom == kMinZoom ? QFont() : ZoomedFont(m_window.font(), zoom);
    status->setFont(font);
    for (QWidget* w : status->findChildren<QWidget*>()) {
        w->setFont(font);
        if (const QVariant width = w->property("minimumWidthTwips"); width.isValid())
            w->setMinimumWidth(px(width.toInt()));
    }
    placeAll();
    requestRedraw();
}

void BoardSize::requestRedraw()
{
    if (m_redraw.isActive()) {
        m_redrawPending = true;
        return;
    }
    emit redrawNeeded();
    m_redraw.start();
}

void BoardSize::fitWindow()
{
    // The window is laid out at the board's size, and may be made larger (never smaller).
    QWidget* area = m_window.centralWidget();
    if (boardTwips().isEmpty())
        return; // no level laid out yet
    const QSize board = boardPixels(m_zoom);
    m_sizing = true;
    area->setFixedSize(board);
    // The status bar's font may just have changed: its size is worked out before the window's.
    // The status bar is as tall as at the normal size, grown with the board: laid out afresh
    // from its font it would come back a few pixels taller than it started.
    QStatusBar* status = m_window.statusBar();
    if (m_statusHeight == 0)
        m_statusHeight = status->sizeHint().height();
    status->setFixedHeight(int(std::lround(m_statusHeight * m_zoom)));
    if (QLayout* layout = status->layout()) {
        layout->invalidate();
        layout->activate();
    }
    if (QLayout* layout = m_window.layout()) {
        layout->invalidate();
        layout->activate();
    }
    const QSize outer = m_window.minimumSizeHint().expandedTo(m_window.sizeHint());
    const QSize normal = boardPixels(kMinZoom);
    area->setMinimumSize(normal);
    area->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    m_window.resize(outer);
    m_sized = board;
    m_sizing = false;
    placeAll();
}

void BoardSize::fitBoardToWindow()
{
    // The largest size whose pixels fit the window, in the level's proportions. A window of
    // exactly the board's own size keeps the size it has.
    const QSize area = m_window.centralWidget()->size();
    if (boardTwips().isEmpty())
        return;
    double fit = kMinZoom;
    for (double z = kMinZoom; z <= kMaxZoom + 1e-9; z = Clamp(z + 0.05)) {
        const QSize need = boardPixels(z);
        if (need.width() > area.width() || need.height() > area.height())
            break;
        fit = z;
        if (z >= kMaxZoom)
            break;
    }
    if (fit != m_zoom) {
        setZoom(fit);
        m_settle.start();
    }
    placeAll();
}

void BoardSize::placeAll()
{
    QWidget* area = m_window.centralWidget();
    const QSize board = boardPixels(m_zoom);
    m_offset = QPoint(std::max(0, (area->width() - board.width()) / 2), std::max(0, (area->height() - board.height()) / 2));
    for (QWidget* w : area->findChildren<QWidget*>()) {
        const QVariant twips = w->property("twips");
        if (twips.isValid())
            place(w, twips.toRect());
    }
}

bool BoardSize::eventFilter(QObject* watched, QEvent* event)
{
    // Resizes by hand come in floods: the board follows once they pause.
    if (watched == m_window.centralWidget() && event->type() == QEvent::Resize && !m_sizing) {
        m_fit.start();
        // A size waiting to be stored waits while the window is still being resized.
        if (m_settle.isActive())
            m_settle.start();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tintrix

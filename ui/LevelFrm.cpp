// SPDX-License-Identifier: GPL-3.0-or-later
#include "LevelFrm.h"

#include "ModalLoop.h"
#include "TimeScale.h"
#include "Zoom.h"

// Qt
#include <QCloseEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QShowEvent>

namespace tintrix {

namespace {

/** The banner's face: polished dark wood in a thin gold frame. */
class BannerPicture : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        const QRectF r = rect();
        QLinearGradient wood(r.topLeft(), r.bottomLeft());
        wood.setColorAt(0.0, QColor(118, 76, 44));
        wood.setColorAt(0.45, QColor(82, 50, 28));
        wood.setColorAt(1.0, QColor(44, 25, 13));
        p.fillRect(r, wood);
        p.setPen(QPen(QColor(214, 160, 50), 2));
        p.drawRect(r.adjusted(1, 1, -1, -1));
        p.setPen(QColor(255, 226, 140, 90));
        p.drawRect(r.adjusted(4, 4, -5, -5));
    }
};

/** The banner's lettering. The classic dialog face is rarely installed; Arial and its
 *  metric twin come closest to it. */
QFont BannerFont(double pointSize, bool bold, double zoom)
{
    QFont font;
    font.setFamilies({"MS Sans Serif", "Microsoft Sans Serif", "Arial", "Liberation Sans"});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize * zoom);
    font.setBold(bold);
    return font;
}

/** The window system's frame around a top-level window; empty before it is framed. */
QMargins FrameMargins(const QWidget* window)
{
    const QRect outer = window->frameGeometry();
    const QRect inner = window->geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

/** Narrows the label's lettering just enough for its text to fit on one row, as it did in
 *  the slimmer classic face. A text too long even then wraps onto a second row. */
void FitOnOneRow(QLabel* label)
{
    constexpr int kNarrowest = 85; // percent of the normal width; narrower gets hard to read
    QFont font = label->font();
    font.setStretch(QFont::Unstretched);
    const int available = label->contentsRect().width();
    for (int stretch = 100; stretch >= kNarrowest; --stretch) {
        font.setStretch(stretch);
        if (QFontMetrics(font).horizontalAdvance(label->text()) <= available)
            break;
    }
    label->setFont(font);
}

QLabel* NewLine(QWidget* parent, const char* name, QRect twips, double zoom, const QFont& font, const QColor& colour)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(ZoomedTwips(twips.x(), zoom), ZoomedTwips(twips.y(), zoom), ZoomedTwips(twips.width(), zoom),
                       ZoomedTwips(twips.height(), zoom));
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setFont(font);
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, colour);
    label->setPalette(colours);
    return label;
}

} // namespace

LevelFrm::LevelFrm(QWidget* boardWindow, BannerScale scale)
    : QDialog(boardWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_board(boardWindow),
      m_scale(scale)
{
    setObjectName("LevelFrm");
    setWindowTitle(" ");
    setModal(true);
    const double zoom = m_scale.zoom;
    setFixedSize(ZoomedTwips(3615, zoom), ZoomedTwips(1215, zoom));

    auto* picture1 = new BannerPicture(this);
    picture1->setObjectName("Picture1");
    picture1->setGeometry(0, 0, ZoomedTwips(3615, zoom), ZoomedTwips(1215, zoom));

    Label1 = NewLine(picture1, "Label1", {120, 120, 3375, 375}, zoom, BannerFont(12, true, zoom), QColor(250, 208, 90));
    Label2 = NewLine(picture1, "Label2", {120, 600, 3375, 495}, zoom, BannerFont(9.75, false, zoom), QColor(246, 232, 204));
    // Clicks on the banner or its lines do nothing: it always keeps its full time.

    Timer1.setSingleShot(true);
    connect(&Timer1, &QTimer::timeout, this, &LevelFrm::Timer1_Timer);
}

void LevelFrm::Announce(QWidget* boardWindow, BannerScale scale, const QString& line1, const QString& line2,
                        std::function<void()> then)
{
    auto* banner = new LevelFrm(boardWindow, scale);
    banner->setAttribute(Qt::WA_DeleteOnClose);
    banner->setWindowModality(Qt::ApplicationModal);
    banner->Label1->setText(line1);
    banner->Label2->setText(line2);
    // The window has no title; screen readers name it by its first line and read the second
    // as its description. The picture holding the lines carries the second line as its name,
    // which tells screen readers that the label of that line is not a text of its own (they
    // would read a longer line a second time).
    banner->setAccessibleName(line1);
    banner->setAccessibleDescription(line2);
    banner->Label2->parentWidget()->setAccessibleName(line2);
    connect(banner, &QDialog::finished, banner, [then = std::move(then)] {
        if (then)
            then();
    });
    banner->show();
}

int LevelFrm::exec()
{
    // Timer1 starts inside show(); a close it makes before the modal loop runs is not lost.
    return RunModal(*this);
}

void LevelFrm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        Form_Load();
}

void LevelFrm::Form_Load()
{
    // The caller has set the texts by now.
    FitOnOneRow(Label1);
    FitOnOneRow(Label2);
    if (m_board) {
        // Outer frames: half the banner's own height below the board's top edge, centred
        // across the board. Until the window manager has framed the banner its frame is
        // unknown; the board's frame is the best guess for it.
        const QWidget* board = m_board->window();
        QMargins frame = FrameMargins(this);
        if (frame.isNull())
            frame = FrameMargins(board);
        const QRect outerBoard = board->frameGeometry();
        const QSize outer = size().grownBy(frame);
        move(outerBoard.left() + outerBoard.width() / 2 - outer.width() / 2, outerBoard.top() + outer.height() / 2);
    }
    Timer1.start(ScaledMs(3000, m_scale.time));
}

void LevelFrm::Timer1_Timer()
{
    Timer1.stop();
    m_closing = true;
    accept();
}

void LevelFrm::closeEvent(QCloseEvent* event)
{
    // Only the timer closes the banner; the close box does nothing.
    if (!m_closing)
        event->ignore();
}

void LevelFrm::keyPressEvent(QKeyEvent* event)
{
    // Escape would reject a dialog and Enter accept it; the banner stays for its full time.
    event->accept();
}

} // namespace tintrix

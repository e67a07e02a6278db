// SPDX-License-Identifier: GPL-3.0-or-later
// The board's layout for each level, in twips, and the size it is drawn at.
#include "Form1.h"

// own
#include "BoardLayout.h"
#include "ImageControl.h"
#include "LevelCatalogue.h"
#include "PicFrm.h"
#include "Preferences.h"
#include "Twips.h"
#include "Zoom.h"

// Qt
#include <QEvent>
#include <QLabel>
#include <QStatusBar>

#include <algorithm>

namespace tintrix {

void Form1::OpenLevel(int catalogueRow)
{
    if (m_game.OpenLevel(catalogueRow))
        render();
}

void Form1::LayOut(int catalogueRow)
{
    m_laidOutRow = catalogueRow;
    const LevelLayout& l = kLevelLayouts[std::size_t(catalogueRow - 1)];
    const LevelSpec& spec = *FetchLevel(catalogueRow);
    const int holeWidth = TwipGeometry(Row[1][0]).width();

    auto setLeft = [this](QWidget* w, int left) { const QRect r = TwipGeometry(w); setTwipGeometry(w, left, r.y(), r.width(), r.height()); };
    auto setTop = [this](QWidget* w, int top) { const QRect r = TwipGeometry(w); setTwipGeometry(w, r.x(), top, r.width(), r.height()); };
    auto setWidth = [this](QWidget* w, int width) { const QRect r = TwipGeometry(w); setTwipGeometry(w, r.x(), r.y(), width, r.height()); };
    auto setHeight = [this](QWidget* w, int height) { const QRect r = TwipGeometry(w); setTwipGeometry(w, r.x(), r.y(), r.width(), height); };

    setWidth(ColorBox1, l.ColorBoxWidth);
    setLeft(ColorBox1, l.ColorBoxLeft);
    setWidth(ColorBox2, l.ColorBoxWidth);
    setLeft(ColorBox2, l.ColorBoxLeft);

    // The undo and redo buttons stand 150 twips right of their colour bar.
    setLeft(DoBox1, TwipGeometry(ColorBox1).x() + TwipGeometry(ColorBox1).width() + 150);
    setLeft(DoBox2, TwipGeometry(ColorBox2).x() + TwipGeometry(ColorBox2).width() + 150);

    setWidth(FieldBox1, spec.Holes * holeWidth + l.FieldBox1Margin);
    setWidth(FieldBox2, spec.Holes * holeWidth + l.FieldBox2Margin);
    const QRect field1 = TwipGeometry(FieldBox1);
    setLeft(FieldBox2, field1.x() + (l.FieldBox2Offset != 0 ? l.FieldBox2Offset : field1.width()));

    m_widthTwips = l.WindowWidth;

    setHeight(FieldBox1, l.FieldHeight);
    setHeight(FieldBox2, l.FieldHeight);
    setTop(ColorBox2, l.LowerBarTop);
    setTop(DoBox2, l.LowerBarTop);

    m_tableHeightTwips = m_colorBarShown ? l.WindowHeightShown : l.WindowHeightHidden;
    applyWindowSize();
}

int Form1::StatusBarHeightTwips() const
{
    return ToTwips(StatusBar1->sizeHint().height());
}

QRect Form1::TwipGeometry(const QWidget* container)
{
    // Containers remember their twip geometry exactly; pixels would round it.
    const QVariant v = container->property("twips");
    if (v.isValid())
        return v.toRect();
    const QRect g = container->geometry();
    return {ToTwips(g.x()), ToTwips(g.y()), ToTwips(g.width()), ToTwips(g.height())};
}

void Form1::setTwipGeometry(QWidget* w, int left, int top, int width, int height)
{
    w->setProperty("twips", QRect(left, top, width, height));
    // The board's own containers stand in the middle of a window larger than the board.
    const QPoint offset = w->parentWidget() == centralWidget() ? m_offset : QPoint();
    w->setGeometry(ZoomedTwips(left) + offset.x(), ZoomedTwips(top) + offset.y(), ZoomedTwips(width), ZoomedTwips(height));
}

QSize Form1::boardTwips() const
{
    // The window's frame, title and menu bar take their share of the laid-out size; the board
    // gets the rest above the status bar.
    return {m_widthTwips - kFrameWidth, m_tableHeightTwips - kFrameHeight};
}

void Form1::applyWindowSize()
{
    // The window is laid out at the board's size, and may be made larger (never smaller).
    const QSize board = boardTwips();
    ColorBox2->setVisible(m_colorBarShown);
    DoBox2->setVisible(m_colorBarShown);
    m_sizing = true;
    centralWidget()->setFixedSize(ZoomedTwips(board.width()), ZoomedTwips(board.height()));
    adjustSize();
    centralWidget()->setMinimumSize(Twips(board.width()), Twips(board.height()));
    centralWidget()->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    m_sizing = false;
    placeBoard();
}

void Form1::placeBoard()
{
    // The largest size that fits the window, in the level's proportions, centred.
    const QSize board = boardTwips();
    const QSize area = centralWidget()->size();
    if (!m_sizing && board.width() > 0 && board.height() > 0) {
        const double fit = std::min(area.width() * double(kTwipsPerPixel) / board.width(),
                                    area.height() * double(kTwipsPerPixel) / board.height());
        if (ClampZoom(fit) != BoardZoom()) {
            setZoom(fit, false);
            return;
        }
    }
    m_offset = QPoint(std::max(0, (area.width() - ZoomedTwips(board.width())) / 2),
                      std::max(0, (area.height() - ZoomedTwips(board.height())) / 2));
    for (QWidget* w : centralWidget()->findChildren<QWidget*>()) {
        const QVariant twips = w->property("twips");
        if (twips.isValid()) {
            const QRect r = twips.toRect();
            setTwipGeometry(w, r.x(), r.y(), r.width(), r.height());
        }
    }
}

void Form1::setZoom(double zoom, bool resizeWindow, bool remember)
{
    const double before = BoardZoom();
    const double now = SetBoardZoom(zoom);
    if (now != before) {
        if (remember)
            m_prefs->setZoom(now);
        Pictures->setZoom(now);
        StatusBar1->setFont(ZoomedFont(font()));
        Panels[4]->setMinimumWidth(ZoomedTwips(375));
        for (ImageControl* control : centralWidget()->findChildren<ImageControl*>())
            control->setZoom(now);
        BindFeedbackPictures();
        LoadColorBars();
        LoadUndoRedoPictures();
        StylePicture = Pictures->stylePicture(m_prefs->style());
        Image2->setPicture(Pictures->picture("imgCheck"));
        render();
    }
    if (resizeWindow)
        applyWindowSize();
    else
        placeBoard();
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == centralWidget() && event->type() == QEvent::Resize && !m_sizing)
        placeBoard();
    return QMainWindow::eventFilter(watched, event);
}

} // namespace tintrix

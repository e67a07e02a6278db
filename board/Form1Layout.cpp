// SPDX-License-Identifier: GPL-3.0-or-later
// The board's layout for each level, in twips.
#include "Form1.h"

// own
#include "BoardLayout.h"
#include "ImageControl.h"
#include "LevelCatalogue.h"
#include "Twips.h"

// Qt
#include <QLabel>
#include <QStatusBar>

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
    const int holeWidth = ToTwips(Row[1][0]->width());

    auto setLeft = [](QWidget* w, int left) { const QRect r = TwipGeometry(w); setTwipGeometry(w, left, r.y(), r.width(), r.height()); };
    auto setTop = [](QWidget* w, int top) { const QRect r = TwipGeometry(w); setTwipGeometry(w, r.x(), top, r.width(), r.height()); };
    auto setWidth = [](QWidget* w, int width) { const QRect r = TwipGeometry(w); setTwipGeometry(w, r.x(), r.y(), width, r.height()); };
    auto setHeight = [](QWidget* w, int height) { const QRect r = TwipGeometry(w); setTwipGeometry(w, r.x(), r.y(), r.width(), height); };

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

    m_heightTwips = StatusBarHeightTwips() + (m_colorBarShown ? l.WindowHeightShown : l.WindowHeightHidden);
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
    w->setGeometry(Twips(left), Twips(top), Twips(width), Twips(height));
}

void Form1::applyWindowSize()
{
    // The window's frame, title and menu bar take their share of the laid-out size; the board
    // gets the rest above the status bar.
    const int boardWidth = m_widthTwips - kFrameWidth;
    const int boardHeight = m_heightTwips - StatusBarHeightTwips() - kFrameHeight;
    centralWidget()->setFixedSize(Twips(boardWidth), Twips(boardHeight));
}

} // namespace tintrix

// SPDX-License-Identifier: GPL-3.0-or-later
// Opening a level: its state, the board's layout for it, and empty holes.
#include "Form1.h"

// own
#include "BoardLayout.h"
#include "ImageControl.h"
#include "LevelCatalogue.h"
#include "LevelFrm.h"
#include "Masterfrm.h"
#include "PicFrm.h"
#include "Twips.h"

// Qt
#include <QLabel>
#include <QStatusBar>

namespace tintrix {

void Form1::OpenLevel(int catalogueRow)
{
    const LevelSpec* level = FetchLevel(catalogueRow);
    if (!level)
        return;

    // The first and the last row rebuild the fields out of sight.
    const bool hideFields = catalogueRow == 1 || catalogueRow == kCatalogueRows;
    if (hideFields) {
        FieldBox1->hide();
        FieldBox2->hide();
    }

    GameState& s = m_state;
    s.DuplicatesAllowed = level->DuplicatesAllowed;
    s.ColorCount = level->ColorCount;
    s.RowLimit = level->RowLimit;
    s.LastHoleIndex = level->LastHoleIndex();
    s.CurrentLevel += 1;

    s.GuessPieces = PieceGrid(s.RowLimit + 1, s.LastHoleIndex + 1);
    s.CluePieces = PieceGrid(s.RowLimit + 1, s.LastHoleIndex + 1);
    s.MasterPieces.assign(std::size_t(s.LastHoleIndex + 1), Piece{});

    LayOut(catalogueRow);
    InitPiece();
    InitBoard();
    ShowLevelStatus();

    if (hideFields) {
        FieldBox1->show();
        FieldBox2->show();
    }
}

void Form1::NextLevel()
{
    const std::optional<int> row = NextLevelRow(m_state.CurrentLevel);
    if (!row)
        return;
    const LevelSpec* level = FetchLevel(*row);
    LevelFrm::Announce(this, QStringLiteral("LEVEL %1").arg(m_state.CurrentLevel + 1),
                       QString::fromLatin1(level->LevelDescription.data(), qsizetype(level->LevelDescription.size())));
    OpenLevel(*row);
}

void Form1::ShowLevelStatus()
{
    Panels[2]->setText(QStringLiteral("Level %1").arg(m_state.CurrentLevel));
    Panels[3]->setText(m_state.DuplicatesAllowed ? QStringLiteral("Duplicates = True") : QStringLiteral("Duplicates = False"));
}

void Form1::LayOut(int catalogueRow)
{
    const LevelLayout& l = kLevelLayouts[std::size_t(catalogueRow - 1)];
    const LevelSpec& spec = *FetchLevel(catalogueRow);
    const int holeWidth = ToTwips(Row[1][0]->width());

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

    m_heightTwips = StatusBarHeightTwips() + (m_colorBarShown ? l.WindowHeightShown : l.WindowHeightHidden);
    applyWindowSize();
}

void Form1::InitPiece()
{
    GameState& s = m_state;
    for (int i = 0; i <= s.RowLimit; ++i) {
        for (int j = 0; j <= s.LastHoleIndex; ++j) {
            s.GuessPieces(i, j).Hole = guessHole(i, j);
            s.CluePieces(i, j).Hole = clueHole(i, j);
        }
    }
    for (int j = 0; j <= s.LastHoleIndex; ++j)
        s.MasterPieces[std::size_t(j)].Hole = MasterWindow->Image1[std::size_t(j)];
}

void Form1::InitBoard()
{
    GameState& s = m_state;
    for (int i = 0; i < s.GuessPieces.rows(); ++i) {
        for (int j = 0; j < s.GuessPieces.holes(); ++j) {
            Piece& guess = s.GuessPieces(i, j);
            guess.Hole->setBorderStyle(ImageControl::Border::Single);
            guess.Hole->setPicture(StylePicture);
            guess.Matched = false;
            guess.Color = 0;

            Piece& clue = s.CluePieces(i, j);
            clue.Hole->setBorderStyle(ImageControl::Border::Single);
            clue.Color = 0;
            clue.Matched = false;
            clue.Hole->setPicture(StylePicture);
        }
    }
    for (Piece& master : s.MasterPieces)
        master.Matched = false;
    LoadPegPictures();
    refreshView();
}

void Form1::LoadPegPictures()
{
    PegPictures = QVector<QPixmap>(m_state.ColorCount + 1);
    for (int k = 1; k <= m_state.ColorCount && k <= kMaxColors; ++k)
        PegPictures[k] = Pictures->pegPicture(k);
}

int Form1::StatusBarHeightTwips() const
{
    return ToTwips(StatusBar1->sizeHint().height());
}

QRect Form1::TwipGeometry(const QWidget* container) const
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

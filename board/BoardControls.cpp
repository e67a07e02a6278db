// SPDX-License-Identifier: GPL-3.0-or-later
// The board's controls: built once, laid out per level.
#include "BoardControls.h"

// own
#include "BoardLayout.h"
#include "BoardSize.h"
#include "ImageControl.h"
#include "LevelCatalogue.h"
#include "Masterfrm.h"
#include "PicFrm.h"
#include "GameState.h"
#include "Twips.h"

// Qt
#include <QCoreApplication>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>

namespace tintrix {

namespace {

/** The object name of guess row `row` (0 at the top): Row12 down to Row1, the third from the
 *  bottom spelt in lower case. */
QString rowName(int row)
{
    const int number = kMaxRows - row;
    return number == 3 ? QStringLiteral("row3") : QStringLiteral("Row%1").arg(number);
}

ImageControl* makeImage(BoardSize& size, QWidget* container, int leftTwips, int topTwips, const QString& name)
{
    auto* image = new ImageControl(container);
    image->setObjectName(name);
    size.place(image, leftTwips, topTwips, kHoleSize, kHoleSize);
    return image;
}

} // namespace

std::optional<HoleAt> BoardControls::holeOf(const QWidget* w) const
{
    for (int row = 0; row < kMaxRows; ++row)
        for (int j = 0; j < kMaxHoles; ++j)
            if (guessHole(row, j) == w)
                return HoleAt{row, j};
    return std::nullopt;
}

std::optional<int> BoardControls::barEntryOf(const QWidget* w) const
{
    for (int i = 0; i < kMaxColors; ++i)
        if (ColSelect[std::size_t(i)] == w || ColSelect2[std::size_t(i)] == w)
            return i;
    return std::nullopt;
}

BoardControls BoardControls::Build(QMainWindow& window, BoardSize& size)
{
    BoardControls c;
    auto* board = new QWidget(&window);
    board->setObjectName("Board");
    // A wooden board, a shade lighter than the recessed holes of the peg pictures.
    QPalette wood = board->palette();
    wood.setColor(QPalette::Window, QColor(0x7B, 0x4F, 0x2C));
    board->setPalette(wood);
    board->setAutoFillBackground(true);
    window.setCentralWidget(board);
    c.board = board;

    auto makeBox = [&](const char* name, const TwipRect& r) {
        auto* box = new QWidget(board);
        box->setObjectName(name);
        size.place(box, r.Left, r.Top, r.Width, r.Height);
        return box;
    };
    c.FieldBox1 = makeBox("FieldBox1", kFieldBox1Design);
    c.FieldBox2 = makeBox("FieldBox2", kFieldBox2Design);
    c.ColorBox1 = makeBox("ColorBox1", kColorBox1Design);
    c.DoBox1 = makeBox("DoBox1", kDoBox1Design);
    c.ColorBox2 = makeBox("ColorBox2", kColorBox2Design);
    c.DoBox2 = makeBox("DoBox2", kDoBox2Design);

    for (int row = 0; row < kMaxRows; ++row) {
        const int top = 360 + kHolePitch * row;
        for (int j = 0; j < kMaxHoles; ++j) {
            c.Row[std::size_t(row)][std::size_t(j)] =
                makeImage(size, c.FieldBox1, 240 + kHolePitch * j, top, QStringLiteral("%1_%2").arg(rowName(row)).arg(j));
            c.Check[std::size_t(row)][std::size_t(j)] = makeImage(
                size, c.FieldBox2, 120 + kHolePitch * j, top, QStringLiteral("Check%1_%2").arg(kMaxRows - row).arg(j));
        }
    }
    for (int i = 0; i < kMaxColors; ++i) {
        for (auto [box, name, bar] : {std::tuple{c.ColorBox1, "ColSelect", &c.ColSelect}, std::tuple{c.ColorBox2, "ColSelect2", &c.ColSelect2}}) {
            auto* entry = makeImage(size, box, 120 + kHolePitch * i, 0, QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(i));
            entry->setSpecialEffect(ImageControl::Effect::Raised);
            (*bar)[std::size_t(i)] = entry;
        }
    }
    auto makeButton = [&](QWidget* box, int left, const char* name, const char* tip) {
        auto* button = makeImage(size, box, left, 0, QLatin1String(name));
        button->setSpecialEffect(ImageControl::Effect::Raised);
        button->setToolTip(QCoreApplication::translate("Board", tip));
        return button;
    };
    c.Redo1 = makeButton(c.DoBox1, 0, "Redo1", QT_TRANSLATE_NOOP("Board", " Redo Last Row "));
    c.Undo1 = makeButton(c.DoBox1, 360, "Undo1", QT_TRANSLATE_NOOP("Board", " Clear Row "));
    c.Redo2 = makeButton(c.DoBox2, 0, "Redo2", QT_TRANSLATE_NOOP("Board", " Redo Last Row "));
    c.Undo2 = makeButton(c.DoBox2, 360, "Undo2", QT_TRANSLATE_NOOP("Board", " Clear Row "));

    c.Image2 = new ImageControl(board);
    c.Image2->setObjectName("Image2");
    c.Image2->setToolTip(QCoreApplication::translate("Board", " Test your selection "));
    c.Image2->setDimWhenDisabled(true);
    size.place(c.Image2, 120, 720, 480, 480);

    c.StatusBar1 = new QStatusBar(&window);
    c.StatusBar1->setObjectName("StatusBar1");
    c.StatusBar1->setSizeGripEnabled(false);
    window.setStatusBar(c.StatusBar1);
    const char* tips[] = {QT_TRANSLATE_NOOP("Board", "This is your score"), QT_TRANSLATE_NOOP("Board", "The current level - there are 36"),
                          QT_TRANSLATE_NOOP("Board", "TRUE means colors can be repeated"),
                          QT_TRANSLATE_NOOP("Board", "This is the current selected color")};
    for (int i = 1; i <= 4; ++i) {
        auto* panel = new QLabel(i == 1 ? QCoreApplication::translate("Board", "Score = ") : QString(), c.StatusBar1);
        panel->setObjectName(QStringLiteral("Panel%1").arg(i));
        panel->setToolTip(QCoreApplication::translate("Board", tips[i - 1]));
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        if (i == 4)
            panel->setProperty("minimumWidthTwips", 375); // the board's size grows it
        panel->setMinimumWidth(i == 4 ? Twips(375) : 0);
        panel->setAlignment(i == 4 ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
        c.StatusBar1->addWidget(panel, i == 4 ? 0 : 1);
        c.Panels[std::size_t(i)] = panel;
    }
    c.MasterWindow = new Masterfrm(&window);
    return c;
}

int BoardControls::LayOut(BoardSize& size, int catalogueRow, bool colorBarShown) const
{
    const LevelLayout& l = kLevelLayouts[std::size_t(catalogueRow - 1)];
    const LevelSpec& spec = *FetchLevel(catalogueRow);
    auto set = [&size](QWidget* w, std::optional<int> left, std::optional<int> top, std::optional<int> width, std::optional<int> height) {
        const QRect r = BoardSize::TwipGeometry(w);
        size.place(w, left.value_or(r.x()), top.value_or(r.y()), width.value_or(r.width()), height.value_or(r.height()));
    };
    const std::nullopt_t keep = std::nullopt;

    set(ColorBox1, l.ColorBoxLeft, keep, l.ColorBoxWidth, keep);
    set(ColorBox2, l.ColorBoxLeft, l.LowerBarTop, l.ColorBoxWidth, keep);
    // The undo and redo buttons stand 150 twips right of their colour bar.
    set(DoBox1, l.ColorBoxLeft + l.ColorBoxWidth + 150, keep, keep, keep);
    set(DoBox2, l.ColorBoxLeft + l.ColorBoxWidth + 150, l.LowerBarTop, keep, keep);

    const int holeWidth = kHoleSize;
    set(FieldBox1, keep, keep, spec.Holes * holeWidth + l.FieldBox1Margin, l.FieldHeight);
    const QRect field1 = BoardSize::TwipGeometry(FieldBox1);
    set(FieldBox2, field1.x() + (l.FieldBox2Offset != 0 ? l.FieldBox2Offset : field1.width()), keep,
        spec.Holes * holeWidth + l.FieldBox2Margin, l.FieldHeight);
    // The lower bar shows inside the 600 twips the preference adds.
    ColorBox2->setVisible(colorBarShown);
    DoBox2->setVisible(colorBarShown);
    return colorBarShown ? l.WindowHeightShown : l.WindowHeightHidden;
}

void BoardControls::renderHoles(const GameState& s, bool playing, bool cursorShown, const HolePictures& pictures) const
{
    for (int row = 0; row < kMaxRows; ++row) {
        for (int j = 0; j < kMaxHoles; ++j) {
            ImageControl* guess = guessHole(row, j);
            ImageControl* clue = clueHole(row, j);
            const bool used = s.GuessPieces.contains(row, j);
            const int colour = used ? s.GuessPieces(row, j).Color : 0;
            // An empty hole is flat in its single border; a peg stands raised.
            if (colour == 0) {
                guess->setPicture(pictures.empty);
                guess->setBorderStyle(ImageControl::Border::Single);
            } else {
                guess->setSpecialEffect(ImageControl::Effect::Raised);
                guess->setPicture(pictures.pegs.pegPicture(colour));
            }
            guess->setCursorMark(playing && cursorShown && used && row == s.CurrentRow && j == s.CursorHole);
            // Only what a click could use can be dragged: the pegs of the current row and the
            // row above, while a row is being filled.
            const bool near = row == s.CurrentRow || row == s.CurrentRow - 1;
            guess->setDragSource(playing && near && colour != 0);

            const Peg peg = used ? s.Feedback(row, j) : Peg::None;
            if (peg == Peg::None) {
                clue->setPicture(pictures.empty);
                clue->setBorderStyle(ImageControl::Border::Single);
            } else {
                clue->setSpecialEffect(ImageControl::Effect::Raised);
                clue->setPicture(peg == Peg::Black ? pictures.black : peg == Peg::Grey ? pictures.grey : pictures.x);
            }
        }
    }
    for (int i = 0; i < kMaxColors; ++i) {
        ColSelect[std::size_t(i)]->setDragSource(playing && i < s.ColorCount);
        ColSelect2[std::size_t(i)]->setDragSource(playing && i < s.ColorCount);
    }

    // The reveal window: the secret's pegs, an X on the holes the level does not use.
    for (int j = 0; j < kMaxHoles; ++j) {
        ImageControl* hole = MasterWindow->Image1[std::size_t(j)];
        if (j >= int(s.MasterPieces.size()))
            hole->setPicture(pictures.x);
        else if (const int colour = s.MasterPieces[std::size_t(j)].Color; colour != 0)
            hole->setPicture(pictures.pegs.pegPicture(colour));
        else
            hole->setPicture({});
    }
}

} // namespace tintrix

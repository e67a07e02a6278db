// SPDX-License-Identifier: GPL-3.0-or-later
// The view: every picture, look, text and enabled state of the board comes from the game.
#include "Form1.h"

// own
#include "BoardAccessible.h"
#include "Describe.h"
#include "ImageControl.h"
#include "LevelCatalogue.h"
#include "Masterfrm.h"
#include "PicFrm.h"

// Qt
#include <QAction>
#include <QLabel>
#include <QMenu>

#include <utility>

namespace tintrix {

namespace {
QString Text(const std::string& s) { return QString::fromStdString(s); }
} // namespace

void Form1::render()
{
    const GameState& s = m_game.state();
    if (s.CatalogueRow != 0 && s.CatalogueRow != m_laidOutRow)
        LayOut(s.CatalogueRow);

    renderHoles();
    renderDragSources();
    // Names first: the focus may move while the containers are enabled or disabled below.
    renderAccessibleTexts();

    // The check button stands beside the current row; it and the board take input only
    // while a row is being filled.
    const QRect check = TwipGeometry(Image2);
    setTwipGeometry(Image2, check.x(), 720 + 360 * s.CurrentRow, check.width(), check.height());
    const bool playing = m_game.phase() == Phase::Playing;
    for (QWidget* w : {FieldBox1, FieldBox2, ColorBox1, ColorBox2, DoBox1, DoBox2, static_cast<QWidget*>(Image2)})
        w->setEnabled(playing);
    EndGame->setEnabled(m_game.running());
    Style->setEnabled(m_game.phase() == Phase::Idle);

    if (s.TournamentStarted)
        Panels[1]->setText(s.Score == 0 ? QStringLiteral("Score: 000") : QStringLiteral("score: %1").arg(s.Score));
    if (s.CurrentLevel > 0) {
        Panels[2]->setText(QStringLiteral("Level %1").arg(s.CurrentLevel));
        Panels[3]->setText(s.DuplicatesAllowed ? QStringLiteral("Duplicates = True") : QStringLiteral("Duplicates = False"));
    }
    showColourInPanel(m_panelColour);
    renderFocus();
}

void Form1::renderHoles()
{
    const GameState& s = m_game.state();
    const bool keyboard = keyboardPlayAllowed();
    for (int row = 0; row < kMaxRows; ++row) {
        for (int j = 0; j < kMaxHoles; ++j) {
            ImageControl* guess = guessHole(row, j);
            ImageControl* clue = clueHole(row, j);
            const bool used = s.GuessPieces.contains(row, j);
            const int colour = used ? s.GuessPieces(row, j).Color : 0;
            // An empty hole is flat in its single border; a peg stands raised.
            if (colour == 0) {
                guess->setPicture(StylePicture);
                guess->setBorderStyle(ImageControl::Border::Single);
            } else {
                guess->setSpecialEffect(ImageControl::Effect::Raised);
                guess->setPicture(Pictures->pegPicture(colour));
            }
            guess->setCursorMark(keyboard && m_keyboardUsed && used && row == s.CurrentRow && j == s.CursorHole);

            const Peg peg = used ? s.Feedback(row, j) : Peg::None;
            if (peg == Peg::None) {
                clue->setPicture(StylePicture);
                clue->setBorderStyle(ImageControl::Border::Single);
            } else {
                clue->setSpecialEffect(ImageControl::Effect::Raised);
                clue->setPicture(peg == Peg::Black ? BlackPic : peg == Peg::Grey ? GreyPic : XPic);
            }
        }
    }

    // The reveal window: the secret's pegs, an X on the holes the level does not use.
    for (int j = 0; j < kMaxHoles; ++j) {
        ImageControl* hole = MasterWindow->Image1[std::size_t(j)];
        if (j >= int(s.MasterPieces.size()))
            hole->setPicture(XPic);
        else if (const int colour = s.MasterPieces[std::size_t(j)].Color; colour != 0)
            hole->setPicture(Pictures->pegPicture(colour));
        else
            hole->setPicture({});
    }
}

void Form1::showColourInPanel(int colour)
{
    QLabel* panel = Panels[4];
    if (colour == 0) {
        panel->clear();
        return;
    }
    // The panel is lower than a hole: show the peg's middle, scaled to fit.
    const QPixmap picture = Pictures->pegPicture(colour);
    const QSizeF size = picture.deviceIndependentSize();
    const qreal side = 25.0 * picture.devicePixelRatio();
    const QRect middle(int((size.width() * picture.devicePixelRatio() - side) / 2),
                       int((size.height() * picture.devicePixelRatio() - side) / 2), int(side), int(side));
    const int height = qMax(12, panel->contentsRect().height() - 2);
    QPixmap shown = picture.copy(middle).scaled(QSize(height, height) * picture.devicePixelRatio(), Qt::KeepAspectRatio,
                                                Qt::SmoothTransformation);
    shown.setDevicePixelRatio(picture.devicePixelRatio());
    panel->setPixmap(shown);
}

void Form1::renderAccessibleTexts()
{
    const GameState& s = m_game.state();
    const bool playing = m_game.phase() == Phase::Playing;
    // What just happened is spoken once, with the hole or button the focus moves to next.
    const QString result = playing ? std::exchange(m_spokenResult, {}) : QString();
    const QString prefix = result.isEmpty() ? QString() : result + QLatin1Char(' ');
    for (int row = 0; row < kMaxRows; ++row) {
        for (int j = 0; j < kMaxHoles; ++j) {
            ImageControl* guess = guessHole(row, j);
            ImageControl* clue = clueHole(row, j);
            if (!s.GuessPieces.contains(row, j)) {
                SetAccessibleName(guess, {});
                SetAccessibleName(clue, {});
                continue;
            }
            const bool cursor = playing && !m_focusOnCheck && row == s.CurrentRow && j == s.CursorHole;
            const QString hole = QStringLiteral("Row %1, hole %2, ").arg(row + 1).arg(j + 1) + Text(HoleText(s, row, j));
            SetAccessibleName(guess, cursor ? prefix + hole : hole);
            SetAccessibleDescription(guess, {});
            SetAccessibleName(clue, QStringLiteral("Row %1, feedback %2, ").arg(row + 1).arg(j + 1) + Text(PegText(s.Feedback(row, j))));
            SetAccessibleDescription(clue, {});
        }
    }
    for (int i = 0; i < kMaxColors; ++i) {
        for (auto* bar : {&ColSelect, &ColSelect2}) {
            ImageControl* entry = (*bar)[std::size_t(i)];
            SetAccessibleName(entry, QStringLiteral("Colour %1, ").arg(i + 1) + Text(ColourName(i + 1)));
            SetAccessibleDescription(entry, i < s.ColorCount ? QString() : QStringLiteral("not in play"));
            SetAccessibleChecked(entry, s.ColorInHand && s.SelectedColor == i);
        }
    }
    for (ImageControl* undo : {Undo1, Undo2}) {
        SetAccessibleName(undo, "Clear Row");
        SetAccessibleDescription(undo, "Takes back every peg of the current row");
    }
    for (ImageControl* redo : {Redo1, Redo2}) {
        SetAccessibleName(redo, "Redo Last Row");
        SetAccessibleDescription(redo, "Copies the row above into the current row");
    }
    // The check button reads the row it checks.
    std::vector<int> row(std::size_t(s.LastHoleIndex + 1), 0);
    if (s.GuessPieces.contains(s.CurrentRow, 0))
        row = ColorsOf(s.GuessPieces.row(s.CurrentRow));
    SetAccessibleName(Image2, (playing && m_focusOnCheck ? prefix : QString()) + QStringLiteral("Check row %1: ").arg(s.CurrentRow + 1) +
                                  Text(ColoursText(row)));
    SetAccessibleDescription(Image2, QStringLiteral("Scores the current row"));

    // The reveal window tells the secret in words.
    const std::vector<int> secret = m_game.secret();
    for (int j = 0; j < kMaxHoles; ++j) {
        ImageControl* hole = MasterWindow->Image1[std::size_t(j)];
        SetAccessibleName(hole, j < int(secret.size()) ? QStringLiteral("Peg %1, ").arg(j + 1) + Text(ColourName(secret[std::size_t(j)]))
                                                        : QStringLiteral("Not used"));
    }
    SetAccessibleName(MasterWindow, QStringLiteral("Correct combination: ") + Text(ColoursText(secret)));
    renderBoardName();
}

} // namespace tintrix

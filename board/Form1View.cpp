// SPDX-License-Identifier: GPL-3.0-or-later
// The view: every picture, look, text and enabled state of the board comes from the game.
#include "Form1.h"

// own
#include "BoardLayout.h"
#include "BoardMenus.h"
#include "BoardSize.h"
#include "BoardSpeech.h"
#include "ImageControl.h"
#include "LevelCatalogue.h"
#include "Masterfrm.h"
#include "PegDrag.h"
#include "PicFrm.h"
#include "Preferences.h"

// Qt
#include <QCoreApplication>
#include <QLabel>

namespace tintrix {

void Form1::render()
{
    const GameState& s = m_game.state();
    if (s.CatalogueRow != 0 && s.CatalogueRow != m_laidOutRow) {
        m_laidOutRow = s.CatalogueRow;
        const int tableHeight = c.LayOut(*m_size, s.CatalogueRow, m_prefs->colorBar());
        m_size->setWindowTwips(kLevelLayouts[std::size_t(s.CatalogueRow - 1)].WindowWidth, tableHeight);
    }
    const bool playing = m_game.phase() == Phase::Playing;
    m_drag->setPlaying(playing);

    c.renderHoles(m_game.state(), playing, m_keyboardUsed, {StylePicture, BlackPic, GreyPic, XPic, *Pictures});
    // Names first: the focus may move while the containers are enabled or disabled below.
    m_speech->renderNames();

    // The check button stands beside the current row; it and the board take input only
    // while a row is being filled.
    const QRect check = BoardSize::TwipGeometry(c.Image2);
    m_size->place(c.Image2, check.x(), 720 + 360 * s.CurrentRow, check.width(), check.height());
    // The guess rows' panel itself stays enabled: during a check it holds the focus, so that
    // the focus coming back to a hole is not announced as entering the panel again.
    for (QWidget* w : {c.FieldBox2, c.ColorBox1, c.ColorBox2, c.DoBox1, c.DoBox2, static_cast<QWidget*>(c.Image2)})
        w->setEnabled(playing);
    for (const auto& row : c.Row)
        for (ImageControl* hole : row)
            hole->setEnabled(playing);
    m_menus->setAvailable(m_game.running(), m_game.phase() == Phase::Idle);

    if (s.TournamentStarted)
        c.Panels[1]->setText(s.Score == 0 ? QCoreApplication::translate("Board", "Score: 000") : QCoreApplication::translate("Board", "score: %1").arg(s.Score));
    if (s.CurrentLevel > 0) {
        c.Panels[2]->setText(QCoreApplication::translate("Board", "Level %1").arg(s.CurrentLevel));
        c.Panels[3]->setText(s.DuplicatesAllowed ? QCoreApplication::translate("Board", "Duplicates = True") : QCoreApplication::translate("Board", "Duplicates = False"));
    }
    // Panel 4 shows the middle of the peg in hand, scaled to the panel's height.
    QLabel* panel = c.Panels[4];
    if (m_panelColour == 0) {
        panel->clear();
    } else {
        const QPixmap picture = Pictures->pegPicture(m_panelColour);
        const qreal ratio = picture.devicePixelRatio();
        const QSizeF size = picture.deviceIndependentSize() * ratio;
        const qreal side = 25.0 * ratio;
        const QRect middle(int((size.width() - side) / 2), int((size.height() - side) / 2), int(side), int(side));
        const int height = qMax(12, panel->contentsRect().height() - 2);
        QPixmap shown = picture.copy(middle).scaled(QSize(height, height) * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        shown.setDevicePixelRatio(ratio);
        panel->setPixmap(shown);
    }
    m_speech->renderFocus();
}

} // namespace tintrix

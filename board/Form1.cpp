// SPDX-License-Identifier: GPL-3.0-or-later
// The board window: its parts assembled and wired, the start-up steps, and leaving.
#include "Form1.h"

// own
#include "AppInfo.h"
#include "BoardMenus.h"
#include "BoardSize.h"
#include "BoardSpeech.h"
#include "CheckPacing.h"
#include "ImageControl.h"
#include "LevelCatalogue.h"
#include "Masterfrm.h"
#include "PegDrag.h"
#include "PicFrm.h"
#include "Preferences.h"

// Qt
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QSessionManager>

namespace tintrix {

Form1::Form1(Services services, QWidget* parent)
    : QMainWindow(parent), m_services(std::move(services)), m_generator(0),
      m_game([this] { return m_services.random ? m_services.random() : m_generator.next(); })
{
    setObjectName("Form1");
    setWindowTitle(QCoreApplication::translate("Board", "Tintrix "));

    Pictures = new PicFrm(this);
    m_prefs = std::make_unique<Preferences>(QCoreApplication::applicationName());
    m_size = std::make_unique<BoardSize>(*this, *m_prefs);
    c = BoardControls::Build(*this, *m_size);
    m_menus = new BoardMenus(*this, *m_prefs, m_services.programFolder);
    m_drag = new PegDrag(c.board, this);
    m_speech = std::make_unique<BoardSpeech>(c, m_game);
    m_pacing = new CheckPacing(m_game, m_services.timeScale, this);
    c.Image2->setPicture(Pictures->picture("imgCheck"));

    // The controls.
    for (int row = 0; row < kMaxRows; ++row) {
        for (int j = 0; j < kMaxHoles; ++j) {
            connect(c.guessHole(row, j), &ImageControl::clicked, this, [this, row, j] { Row_Click(row, j); });
            m_drag->watch(c.guessHole(row, j));
        }
    }
    auto pressable = [this](ImageControl* control) {
        connect(control, &ImageControl::mouseDown, this, [control] { control->setSpecialEffect(ImageControl::Effect::Sunken); });
        connect(control, &ImageControl::mouseUp, this, [control] { control->setSpecialEffect(ImageControl::Effect::Raised); });
        m_drag->watch(control);
    };
    for (int i = 0; i < kMaxColors; ++i) {
        connect(c.ColSelect[std::size_t(i)], &ImageControl::clicked, this, [this, i] { ColSelect_Click(i); });
        connect(c.ColSelect2[std::size_t(i)], &ImageControl::clicked, this, [this, i] { ColSelect2_Click(i); });
        pressable(c.ColSelect[std::size_t(i)]);
        pressable(c.ColSelect2[std::size_t(i)]);
    }
    for (auto [button, click] : {std::pair{c.Redo1, &Form1::Redo1_Click}, std::pair{c.Undo1, &Form1::Undo1_Click},
                                 std::pair{c.Redo2, &Form1::Redo2_Click}, std::pair{c.Undo2, &Form1::Undo2_Click}}) {
        connect(button, &ImageControl::clicked, this, click);
        pressable(button);
    }
    connect(c.Image2, &ImageControl::clicked, this, &Form1::Image2_Click);
    connect(m_drag, &PegDrag::dropped, this, &Form1::dropped);

    // The menus and keys.
    connect(m_menus, &BoardMenus::newGameChosen, this, &Form1::Tournament_Click);
    connect(m_menus, &BoardMenus::endGameChosen, this, &Form1::EndGame_Click);
    connect(m_menus, &BoardMenus::highScoresChosen, this, &Form1::highScoresRequested);
    connect(m_menus, &BoardMenus::exitChosen, this, &QWidget::close);
    connect(m_menus, &BoardMenus::levelChosen, this, &Form1::OpenLevel);
    connect(m_menus, &BoardMenus::undoChosen, this, &Form1::Undo1_Click);
    connect(m_menus, &BoardMenus::redoChosen, this, &Form1::Redo1_Click);
    connect(m_menus, &BoardMenus::zoomInChosen, m_size.get(), &BoardSize::ZoomIn_Click);
    connect(m_menus, &BoardMenus::zoomOutChosen, m_size.get(), &BoardSize::ZoomOut_Click);
    connect(m_menus, &BoardMenus::zoomResetChosen, m_size.get(), &BoardSize::ZoomReset_Click);
    connect(m_menus, &BoardMenus::musicCue, this, &Form1::musicCue);
    connect(m_menus, &BoardMenus::styleChosen, this, [this] {
        StylePicture = Pictures->stylePicture(m_prefs->style());
        // Between games a new style also clears the finished game's pegs.
        m_game.InitBoard();
        render();
    });
    connect(m_menus, &BoardMenus::colorBarChanged, this, [this] {
        m_laidOutRow = 0;
        render();
    });

    // The board's size and the check's pace.
    connect(m_size.get(), &BoardSize::redrawNeeded, this, [this] {
        // Every picture drawn afresh for the board's new size.
        const double zoom = m_size->zoom();
        Pictures->setZoom(zoom);
        for (ImageControl* control : c.board->findChildren<ImageControl*>())
            control->setZoom(zoom);
        BindFeedbackPictures();
        LoadColorBars();
        LoadUndoRedoPictures();
        StylePicture = Pictures->stylePicture(m_prefs->style());
        c.Image2->setPicture(Pictures->picture("imgCheck"));
        render();
    });
    c.board->installEventFilter(m_size.get());
    connect(m_pacing, &CheckPacing::pegDropped, this, [this] {
        PlayEffect(SoundCue::DropPeg);
        render();
    });
    connect(m_pacing, &CheckPacing::pegsDone, this, &Form1::afterCheck);

    // The keyboard: the board takes the keys, whichever hole has the focus.
    c.board->setFocusPolicy(Qt::StrongFocus);
    setFocusProxy(c.board);

    // Every change worth keeping is told at once.
    m_game.setChangeListener([this] { emit gameChanged(); });

    // Logging off or shutting down asks the same question as every other way out.
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
        if (m_exiting || !manager.allowsInteraction())
            return;
        if (!close())
            manager.cancel();
        manager.release();
    });

    Form_Load();
}

Form1::~Form1() = default;

void Form1::Form_Load()
{
    StylePicture = Pictures->stylePicture(m_prefs->style());
    m_size->restore();
}

void Form1::BindFeedbackPictures()
{
    XPic = Pictures->picture("imgX");
    BlackPic = Pictures->picture("imgBlack");
    GreyPic = Pictures->picture("imgGrey");
}

void Form1::LoadColorBars()
{
    for (int i = 0; i < kMaxColors; ++i)
        c.ColSelect[std::size_t(i)]->setPicture(Pictures->pegPicture(i + 1));
    for (int i = 0; i < kMaxColors; ++i)
        c.ColSelect2[std::size_t(i)]->setPicture(Pictures->pegPicture(i + 1));
}

void Form1::LoadUndoRedoPictures()
{
    c.Redo1->setPicture(Pictures->picture("imgRedo"));
    c.Undo1->setPicture(Pictures->picture("imgUndo"));
    c.Redo2->setPicture(Pictures->picture("imgRedo"));
    c.Undo2->setPicture(Pictures->picture("imgUndo"));
}

void Form1::Level1_Click() { OpenLevel(1); }

void Form1::OpenLevel(int catalogueRow)
{
    if (m_game.OpenLevel(catalogueRow))
        render();
}


// ---------------------------------------------------------------------------------------------
// Leaving

void Form1::closeEvent(QCloseEvent* event)
{
    Form_QueryUnload(event);
}

void Form1::Form_QueryUnload(QCloseEvent* event)
{
    if (m_exiting) {
        event->accept();
        return;
    }
    QMessageBox box(QMessageBox::Question, ApplicationTitle(), QCoreApplication::translate("Board", "Exit Tintrix?"),
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setObjectName("ExitBox");
    if (box.exec() != QMessageBox::Yes) {
        event->ignore();
        return;
    }
    // Everything is already saved: end at once, also in the middle of a check.
    m_exiting = true;
    m_pacing->stop();
    event->accept();
    emit exitConfirmed();
}

} // namespace tintrix

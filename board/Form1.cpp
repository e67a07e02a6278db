// SPDX-License-Identifier: GPL-3.0-or-later
// The board window: its controls, menus and status bar, and the start-up steps.
#include "Form1.h"

// own
#include "BoardLayout.h"
#include "ImageControl.h"
#include "LevelCatalogue.h"
#include "Masterfrm.h"
#include "PicFrm.h"
#include "Preferences.h"
#include "TimeScale.h"
#include "Twips.h"
#include "Zoom.h"

// Qt
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QSessionManager>
#include <QStatusBar>

namespace tintrix {

namespace {
/** Guess and clue rows are numbered 1..12 from the bottom; the third is spelt in lower case. */
QString rowName(int number) { return number == 3 ? QStringLiteral("row3") : QStringLiteral("Row%1").arg(number); }
} // namespace

Form1::Form1(Services services, QWidget* parent)
    : QMainWindow(parent), m_services(std::move(services)), m_generator(0),
      m_game([this] { return m_services.random ? m_services.random() : m_generator.next(); })
{
    setObjectName("Form1");
    setWindowTitle("Tintrix ");

    Pictures = new PicFrm(this);
    m_prefs = new Preferences(QCoreApplication::applicationName());
    MasterWindow = new Masterfrm(this);

    // Every window follows this board's size, which starts normal until the stored one is read.
    SetBoardZoom(1.0);
    buildBoard();
    buildMenus();
    buildStatusBar();
    buildKeyboard();
    buildDragging();
    // Resizing the window resizes the board with it.
    centralWidget()->installEventFilter(this);

    // The pegs fall on a 200 ms beat; Qt's default coarse timer may fire up to 5% (10 ms) off.
    Timer1.setTimerType(Qt::PreciseTimer);
    connect(&Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
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

Form1::~Form1()
{
    delete m_prefs;
}

ImageControl* Form1::makeImage(QWidget* container, int leftTwips, int topTwips, const QString& name)
{
    auto* image = new ImageControl(container);
    image->setObjectName(name);
    setTwipGeometry(image, leftTwips, topTwips, kHoleSize, kHoleSize);
    return image;
}

void Form1::buildBoard()
{
    auto* board = new QWidget(this);
    board->setObjectName("Board");
    // A wooden board, a shade lighter than the recessed holes of the peg pictures.
    QPalette wood = board->palette();
    wood.setColor(QPalette::Window, QColor(0x7B, 0x4F, 0x2C));
    board->setPalette(wood);
    board->setAutoFillBackground(true);
    setCentralWidget(board);

    auto makeBox = [&](const char* name, const TwipRect& r) {
        auto* box = new QWidget(board);
        box->setObjectName(name);
        setTwipGeometry(box, r.Left, r.Top, r.Width, r.Height);
        return box;
    };
    FieldBox1 = makeBox("FieldBox1", kFieldBox1Design);
    FieldBox2 = makeBox("FieldBox2", kFieldBox2Design);
    ColorBox1 = makeBox("ColorBox1", kColorBox1Design);
    DoBox1 = makeBox("DoBox1", kDoBox1Design);
    ColorBox2 = makeBox("ColorBox2", kColorBox2Design);
    DoBox2 = makeBox("DoBox2", kDoBox2Design);

    for (int number = 12; number >= 1; --number) {
        const int top = 360 + kHolePitch * (12 - number);
        for (int j = 0; j < kMaxHoles; ++j) {
            auto* guess = makeImage(FieldBox1, 240 + kHolePitch * j, top, QStringLiteral("%1_%2").arg(rowName(number)).arg(j));
            connect(guess, &ImageControl::clicked, this, [this, number, j] { Row_Click(number, j); });
            Row[std::size_t(number)][std::size_t(j)] = guess;
            Check[std::size_t(number)][std::size_t(j)] =
                makeImage(FieldBox2, 120 + kHolePitch * j, top, QStringLiteral("Check%1_%2").arg(number).arg(j));
        }
    }

    auto makeBar = [&](QWidget* box, const char* name, std::array<ImageControl*, 8>& bar, void (Form1::*click)(int)) {
        for (int i = 0; i < kMaxColors; ++i) {
            auto* entry = makeImage(box, 120 + kHolePitch * i, 0, QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(i));
            entry->setSpecialEffect(ImageControl::Effect::Raised);
            connect(entry, &ImageControl::clicked, this, [this, click, i] { (this->*click)(i); });
            connect(entry, &ImageControl::mouseDown, this, [this, entry] { setPressed(entry, true); });
            connect(entry, &ImageControl::mouseUp, this, [this, entry] { setPressed(entry, false); });
            bar[std::size_t(i)] = entry;
        }
    };
    makeBar(ColorBox1, "ColSelect", ColSelect, &Form1::ColSelect_Click);
    makeBar(ColorBox2, "ColSelect2", ColSelect2, &Form1::ColSelect2_Click);

    auto makeButton = [&](QWidget* box, int left, const char* name, const char* tip, void (Form1::*click)()) {
        auto* button = makeImage(box, left, 0, QLatin1String(name));
        button->setSpecialEffect(ImageControl::Effect::Raised);
        button->setToolTip(QLatin1String(tip));
        connect(button, &ImageControl::clicked, this, click);
        connect(button, &ImageControl::mouseDown, this, [this, button] { setPressed(button, true); });
        connect(button, &ImageControl::mouseUp, this, [this, button] { setPressed(button, false); });
        return button;
    };
    Redo1 = makeButton(DoBox1, 0, "Redo1", " Redo Last Row ", &Form1::Redo1_Click);
    Undo1 = makeButton(DoBox1, 360, "Undo1", " Clear Row ", &Form1::Undo1_Click);
    Redo2 = makeButton(DoBox2, 0, "Redo2", " Redo Last Row ", &Form1::Redo2_Click);
    Undo2 = makeButton(DoBox2, 360, "Undo2", " Clear Row ", &Form1::Undo2_Click);

    Image2 = new ImageControl(board);
    Image2->setObjectName("Image2");
    Image2->setToolTip(" Test your selection ");
    Image2->setDimWhenDisabled(true);
    Image2->setPicture(Pictures->picture("imgCheck"));
    setTwipGeometry(Image2, 120, 720, 480, 480);
    connect(Image2, &ImageControl::clicked, this, &Form1::Image2_Click);

}

void Form1::buildStatusBar()
{
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName("StatusBar1");
    StatusBar1->setSizeGripEnabled(false);
    setStatusBar(StatusBar1);
    const char* tips[] = {"This is your score", "The current level - there are 36", "TRUE means colors can be repeated",
                          "This is the current selected color"};
    const char* texts[] = {"Score = ", "", "", ""};
    for (int i = 1; i <= 4; ++i) {
        auto* panel = new QLabel(QLatin1String(texts[i - 1]), StatusBar1);
        panel->setObjectName(QStringLiteral("Panel%1").arg(i));
        panel->setToolTip(QLatin1String(tips[i - 1]));
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        panel->setMinimumWidth(i == 4 ? Twips(375) : 0);
        panel->setAlignment(i == 4 ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
        StatusBar1->addWidget(panel, i == 4 ? 0 : 1);
        Panels[std::size_t(i)] = panel;
    }
}

void Form1::Form_Load()
{
    m_colorBarShown = m_prefs->colorBar();
    const bool sound = m_prefs->sound();
    const bool music = m_prefs->music();
    const int style = m_prefs->style();

    ShowColorBar->setChecked(m_colorBarShown);
    HideColorBar->setChecked(!m_colorBarShown);
    SoundOn->setChecked(sound);
    SoundOff->setChecked(!sound);
    MusicOn->setChecked(music);
    MusicOff->setChecked(!music);
    QAction* styles[] = {Swirl, Stone, Ice, Cocktail};
    styles[style - 1]->setChecked(true);
    StylePicture = Pictures->stylePicture(style);
    setZoom(m_prefs->zoom(), false, false);
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
        ColSelect[std::size_t(i)]->setPicture(Pictures->pegPicture(i + 1));
    for (int i = 0; i < kMaxColors; ++i)
        ColSelect2[std::size_t(i)]->setPicture(Pictures->pegPicture(i + 1));
}

void Form1::LoadUndoRedoPictures()
{
    Redo1->setPicture(Pictures->picture("imgRedo"));
    Undo1->setPicture(Pictures->picture("imgUndo"));
    Redo2->setPicture(Pictures->picture("imgRedo"));
    Undo2->setPicture(Pictures->picture("imgUndo"));
}

void Form1::Level1_Click() { OpenLevel(1); }

} // namespace tintrix

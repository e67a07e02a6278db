// SPDX-License-Identifier: GPL-3.0-or-later
// The board window: a view of the game model and the controls that feed it.
#pragma once

#include "Cues.h"
#include "Game.h"
#include "Secret.h"

// Qt
#include <QMainWindow>
#include <QPixmap>
#include <QTimer>

#include <array>
#include <functional>
#include <vector>

class ImageControl;
class PicFrm;
class QAction;
class QKeyEvent;
class QLabel;
class QMenu;
class QStatusBar;

namespace tintrix {

class Masterfrm;
class Preferences;

/** Shows the game and turns clicks, keys and menu commands into calls on it. It tells the
 *  program what happened through its signals: sounds to play, music to start or stop, a
 *  finished game to offer to the high score table. Its controls carry object names
 *  ("Row12_0", "Check12_0", "ColSelect_0", "Image2", "Tournament", ...). */
class Form1 : public QMainWindow {
    Q_OBJECT
public:
    /** What the board needs from outside: the program's folder (for the help file) and
     *  optionally a fixed random source instead of the clock-seeded generator. */
    struct Services {
        QString programFolder;
        std::function<float()> random;
    };

    explicit Form1(Services services, QWidget* parent = nullptr);
    ~Form1() override;

    // Start-up steps, run by the program in this order after the window has loaded.
    void BindFeedbackPictures();
    void LoadColorBars();
    void LoadUndoRedoPictures();
    void Level1_Click();

    /** Opens catalogue row 1..18 and lays the board out for it (no game may be running). */
    void OpenLevel(int catalogueRow);

    /** Goes on with a kept tournament where it was, between games only (Form1Resume.cpp): the
     *  board shows it as the model holds it, a banner says so, and what was under way goes on
     *  (the next level's banner, or the ending of a game the last check decided). False, with
     *  nothing changed, for a tournament the rules refuse. */
    bool ResumeGame(const SavedGame& saved);

    // Event handlers of the controls and menus.
    void Image2_Click();   // check button: scores the current row
    void Timer1_Timer();   // peg timer: drops the next feedback peg
    void Tournament_Click();
    void EndGame_Click();
    void ColSelect_Click(int Index);
    void ColSelect2_Click(int Index);
    /** A click on hole Index of the guess row control numbered rowNumber (Row1..Row12). */
    void Row_Click(int rowNumber, int Index);
    void Undo1_Click();
    void Undo2_Click();
    void Redo1_Click();
    void Redo2_Click();
    void Swirl_Click();
    void Stone_Click();
    void Ice_Click();
    void Cocktail_Click();
    void ShowColorBar_Click();
    void HideColorBar_Click();
    void SoundOn_Click();
    void SoundOff_Click();
    void MusicOn_Click();
    void MusicOff_Click();
    void help_Click();
    void AboutMe_Click();
    void HighScores_Click();
    void ExitGame_Click();

    [[nodiscard]] const Game& game() const { return m_game; }
    /** The player confirmed leaving: nothing more happens in this window. */
    [[nodiscard]] bool exiting() const { return m_exiting; }
    /** The window's outer size as the board lays it out at the normal size, frame included, in
     *  twips: the layout table's width, and its height plus the status bar's. */
    [[nodiscard]] int WidthTwips() const { return m_widthTwips; }
    [[nodiscard]] int HeightTwips() const { return StatusBarHeightTwips() + m_tableHeightTwips; }
    /** The height of the status bar in twips (S of the layout table). */
    [[nodiscard]] int StatusBarHeightTwips() const;
    /** A control's position and size in twips, as the layout placed it. */
    [[nodiscard]] static QRect TwipGeometry(const QWidget* control);

signals:
    /** A game ended, lost, given up or won through: the score and level to offer to the table. */
    void gameEnded(qint32 score, int level);
    /** A sound effect to play; sent only while sound is switched on. */
    void soundCue(tintrix::SoundCue cue);
    /** The background music's next step. */
    void musicCue(tintrix::MusicCue cue);
    /** The player asked for the high score table. */
    void highScoresRequested();
    /** The player confirmed leaving the game: the program ends now. */
    void exitConfirmed();
    /** The game changed in a way worth keeping (Game::setChangeListener), at once. */
    void gameChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Construction (Form1.cpp).
    void buildBoard();
    void buildMenus();
    void buildStatusBar();
    void buildKeyboard();
    void Form_Load();
    ImageControl* makeImage(QWidget* container, int leftTwips, int topTwips, const QString& name);

    // Layout and size (Form1Layout.cpp).
    void LayOut(int catalogueRow);
    void applyWindowSize();
    void placeBoard();
    void setZoom(double zoom, bool resizeWindow, bool remember = true);
    [[nodiscard]] QSize boardTwips() const;
    void setTwipGeometry(QWidget* w, int left, int top, int width, int height);

    // The view (Form1View.cpp): everything shown comes from the model.
    void render();
    void renderHoles();
    void renderAccessibleTexts();
    void showColourInPanel(int colour);

    // Screen readers (Form1Access.cpp): roles, the focus that follows play, spoken results.
    void buildAccessibility();
    void renderFocus();
    void renderBoardName();
    /** After a key put a peg into hole `hole`: says so with the next focus, which moves on to
     *  the cursor's hole or, when the cursor stayed, between that hole and the check button. */
    void spokenPlacement(int hole);
    [[nodiscard]] QString resultText(int checkedRow, CheckEnd end) const;

    // Turn flow (Form1Turn.cpp).
    void NextLevel();
    void afterCheck();
    void GameOver();
    void FinishTournament();
    void endTournament();
    void runDeferredCommands();
    void StartMusic();
    void PlayEffect(SoundCue cue);
    /** Runs step unless the player has left in the meantime. */
    std::function<void()> unlessExiting(std::function<void()> step);

    // Input (Form1Input.cpp).
    void pickColour(int index, bool showInPanel);
    void ZoomIn_Click();
    void ZoomOut_Click();
    void ZoomReset_Click();
    // Dragging pegs (Form1Drag.cpp): from a colour bar, within the current row, or from the row
    // above into it.
    void buildDragging();
    void startDrag(ImageControl* source);
    void moveDrag(QPoint globalPos);
    void dropDrag(QPoint globalPos);
    void renderDragSources();
    void setPressed(ImageControl* control, bool pressed);
    [[nodiscard]] bool keyboardPlayAllowed() const;

    // Menus and preferences (Form1Menus.cpp).
    void selectStyle(int style);
    bool checkChoice(QAction* chosen, QAction* other);
    void setColorBarShown(bool shown);
    void Form_QueryUnload(QCloseEvent* event);

    ImageControl* guessHole(int rowIndex, int hole) const { return Row[std::size_t(12 - rowIndex)][std::size_t(hole)]; }
    ImageControl* clueHole(int rowIndex, int hole) const { return Check[std::size_t(12 - rowIndex)][std::size_t(hole)]; }

    Services m_services;
    RandomGenerator m_generator;
    Game m_game;
    Preferences* m_prefs = nullptr;
    QTimer Timer1; // paces the feedback pegs, one every 200 ms
    bool m_colorBarShown = false;
    int m_panelColour = 0;     // colour shown in status panel 4, 0 for none
    int m_laidOutRow = 0;      // catalogue row the containers are laid out for
    int m_widthTwips = 0;
    int m_tableHeightTwips = 0; // the layout table's window height, without the status bar
    QPoint m_offset;           // where the board stands in a window larger than it
    bool m_sizing = false;     // the window is being sized to the board
    std::vector<std::function<void()>> m_deferredCommands; // New Game or End Game chosen during a check
    bool m_exiting = false;    // the player confirmed Exit
    ImageControl* m_dragSource = nullptr; // the control a drag started from
    QLabel* m_dragPeg = nullptr;          // the dragged peg's picture, following the pointer
    bool m_keyboardUsed = false; // the cursor frame shows once the keyboard has played
    QString m_spokenResult;    // what just happened in words, spoken with the next focus
    bool m_focusOnCheck = false; // a placement that left the cursor: the focus goes to Check
    bool m_resultInStatusBar = false; // a won or lost level: the status bar holds the result

    // Controls.
    QWidget* FieldBox1 = nullptr;  // guess rows
    QWidget* FieldBox2 = nullptr;  // clue rows
    QWidget* ColorBox1 = nullptr;  // upper colour bar
    QWidget* ColorBox2 = nullptr;  // lower colour bar, inside the 600 twips the preference shows
    QWidget* DoBox1 = nullptr;     // upper undo and redo
    QWidget* DoBox2 = nullptr;     // lower undo and redo
    /** Guess rows by control number 1..12 (index 0 unused): Row[12] is the top row. */
    std::array<std::array<ImageControl*, 6>, 13> Row{};
    /** Clue rows by control number 1..12, beside the guess row of the same number. */
    std::array<std::array<ImageControl*, 6>, 13> Check{};
    std::array<ImageControl*, 8> ColSelect{};   // upper colour bar
    std::array<ImageControl*, 8> ColSelect2{};  // lower colour bar
    ImageControl* Redo1 = nullptr;
    ImageControl* Undo1 = nullptr;
    ImageControl* Redo2 = nullptr;
    ImageControl* Undo2 = nullptr;
    ImageControl* Image2 = nullptr;             // check button
    QStatusBar* StatusBar1 = nullptr;
    std::array<QLabel*, 5> Panels{};            // status-bar panels 1..4 (index 0 unused)
    Masterfrm* MasterWindow = nullptr;          // reveal window of the secret combination

    // Menu items, named as in the menu tree.
    QAction* Tournament = nullptr;
    QAction* EndGame = nullptr;
    QAction* HighScores = nullptr;
    QAction* ExitGame = nullptr;
    QMenu* Levels = nullptr;
    QMenu* Style = nullptr;
    QAction* Swirl = nullptr;
    QAction* Stone = nullptr;
    QAction* Ice = nullptr;
    QAction* Cocktail = nullptr;
    QAction* SoundOn = nullptr;
    QAction* SoundOff = nullptr;
    QAction* MusicOn = nullptr;
    QAction* MusicOff = nullptr;
    QAction* ShowColorBar = nullptr;
    QAction* HideColorBar = nullptr;
    QAction* help = nullptr;
    QAction* AboutMe = nullptr;

    // Pictures.
    QPixmap StylePicture;
    QPixmap XPic;
    QPixmap BlackPic;
    QPixmap GreyPic;
    PicFrm* Pictures = nullptr;
};

} // namespace tintrix

// SPDX-License-Identifier: GPL-3.0-or-later
// The board window: the holes, colour bars, check button, menus, and the game procedures.
#pragma once

#include "GameState.h"
#include "Secret.h"

// Qt
#include <QMainWindow>
#include <QPixmap>
#include <QPointer>
#include <QTimer>
#include <QVector>

#include <array>
#include <functional>
#include <optional>
#include <vector>

class ImageControl;
class PicFrm;
class QAction;
class QEventLoop;
class QKeyEvent;
class QLabel;
class QMenu;
class QStatusBar;

namespace tintrix {

class AudioBackend;
class HighScoreBook;
class Masterfrm;
class MusicControl;
class Preferences;

class Form1 : public QMainWindow {
    Q_OBJECT
public:
    /** What the board needs from outside: the program's folder (media, help, scores), the sound
     *  system, the high score table, and optionally a fixed random source instead of the
     *  clock-seeded generator. */
    struct Services {
        QString programFolder;
        AudioBackend* audio = nullptr;
        HighScoreBook* scores = nullptr;
        std::function<float()> random;
    };

    explicit Form1(Services services, QWidget* parent = nullptr);
    ~Form1() override;

    // Start-up steps, run by Main in this order after the window has loaded.
    void BindFeedbackPictures();
    void LoadColorBars();
    void LoadUndoRedoPictures();
    void Level1_Click();

    // Game procedures.
    void OpenLevel(int catalogueRow);
    void NextLevel();
    void InitPiece();
    void InitBoard();
    void SelectMaster();
    void CheckMatch();
    void UndoRow();

    // Event handlers of the controls and menus.
    void Image2_Click();
    void Timer1_Timer();
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
    void MMControl1_StatusUpdate();

    /** Plays the named effect ("\Change.wav") from the program's folder while SoundOn is checked. */
    void PlayEffect(const QString& name);

    // Read access for the program and its tests.
    [[nodiscard]] const GameState& state() const { return m_state; }
    [[nodiscard]] QString programFolder() const { return m_services.programFolder; }
    [[nodiscard]] bool checking() const { return m_checking; }
    [[nodiscard]] bool exiting() const { return m_exiting; }
    [[nodiscard]] bool ColorBarShown() const { return m_colorBarShown; }
    /** The window's outer size as the board lays it out, frame included, in twips. */
    [[nodiscard]] int WidthTwips() const { return m_widthTwips; }
    [[nodiscard]] int HeightTwips() const { return m_heightTwips; }
    /** The height of StatusBar1 in twips (S of the layout table). */
    [[nodiscard]] int StatusBarHeightTwips() const;
    /** The feedback of row index row as a screen reader reads it: "2 black, 1 grey". */
    [[nodiscard]] QString RowFeedbackText(int row) const;
    /** The hole the keyboard's colour keys fill, 0..LastHoleIndex. */
    [[nodiscard]] int cursorHole() const { return m_cursorHole; }
    /** A container's position and size in twips. */
    [[nodiscard]] QRect TwipGeometry(const QWidget* container) const;

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
    ImageControl* Image2 = nullptr;             // check button: scores the current row
    QStatusBar* StatusBar1 = nullptr;
    std::array<QLabel*, 5> Panels{};            // status-bar panels 1..4 (index 0 unused)
    Masterfrm* MasterWindow = nullptr;          // reveal window of the secret combination
    MusicControl* MMControl1 = nullptr;         // background music

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

    /** Pictures by colour number 1..ColorCount (index 0 unused), rebuilt by InitBoard. */
    QVector<QPixmap> PegPictures;
    QPixmap StylePicture;
    QPixmap XPic;
    QPixmap BlackPic;
    QPixmap GreyPic;
    PicFrm* Pictures = nullptr;

signals:
    /** A game ended: lost, given up or the tournament completed. */
    void gameEnded(qint32 score, int level);
    /** The player confirmed leaving the game: the program ends now. */
    void exitConfirmed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Construction (Form1.cpp).
    void buildBoard();
    void buildMenus();
    void buildStatusBar();
    void Form_Load();
    ImageControl* makeImage(QWidget* container, int leftTwips, int topTwips, const QString& name);

    // Level opening and layout (Form1Level.cpp).
    void ShowLevelStatus();
    void LayOut(int catalogueRow);
    void LoadPegPictures();
    void applyWindowSize();
    void setTwipGeometry(QWidget* w, int left, int top, int width, int height);

    // Turn flow (Form1Turn.cpp).
    void StartLevelPlay();
    void GameOver();
    void FinishTournament();
    /** The common end of every tournament: music, high score, menus and board back to idle. */
    void endTournament();
    void coverOlderFeedback();
    void EnableBoard();
    void DisableBoard();
    void setBoardEnabled(bool enabled);
    void ResetTopRowBorders();
    void UpdateScore();
    void RecordHighScore();
    void waitOneTick();
    void showFeedbackPeg(int hole, const QPixmap& peg);
    void runDeferredCommand();
    void StartMusic();
    void OpenMusic();

    // Input (Form1Input.cpp).
    void PlacePeg(int Index);
    void CopyPreviousPeg(int Index);
    void RedoRow();
    void setPressed(ImageControl* control, bool pressed);
    void showColourInPanel(const QPixmap& picture);

    // Keyboard and accessibility (Form1Keyboard.cpp).
    void buildKeyboard();
    [[nodiscard]] bool keyboardPlayAllowed() const;
    /** Brings the keyboard cursor and the accessible texts up to date with the board. */
    void refreshView();

    // Menus and preferences (Form1Menus.cpp).
    void selectStyle(int style);
    bool checkChoice(QAction* chosen, QAction* other);
    void setColorBarShown(bool shown);
    void Form_QueryUnload(QCloseEvent* event);

    ImageControl* guessHole(int rowIndex, int hole) const { return Row[std::size_t(12 - rowIndex)][std::size_t(hole)]; }
    ImageControl* clueHole(int rowIndex, int hole) const { return Check[std::size_t(12 - rowIndex)][std::size_t(hole)]; }
    float nextRandom();

    Services m_services;
    GameState m_state;
    RandomGenerator m_generator;
    Preferences* m_prefs = nullptr;
    QTimer Timer1;                     // paces the feedback pegs
    bool m_colorBarShown = false;
    int m_cursorHole = 0;
    int m_widthTwips = 0;
    int m_heightTwips = 0;

    bool m_checking = false;                      // inside Image2_Click
    std::vector<std::function<void()>> m_deferredCommands; // New Game or End Game chosen during a check
    QEventLoop* m_tickLoop = nullptr;             // the wait for the next peg's tick
    bool m_exiting = false;                       // the player confirmed Exit
};

} // namespace tintrix

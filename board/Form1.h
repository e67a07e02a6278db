// SPDX-License-Identifier: GPL-3.0-or-later
// The board window: a view of the game model and the controls that feed it.
#pragma once

#include "BoardControls.h"
#include "Cues.h"
#include "Game.h"
#include "Secret.h"

// Qt
#include <QMainWindow>
#include <QPixmap>

#include <functional>
#include <memory>

class QKeyEvent;

namespace tintrix {

class ImageControl;
class PicFrm;

class BoardMenus;
class BoardSize;
class BoardSpeech;
class CheckPacing;
class PegDrag;
class Preferences;

/** Shows the game and turns clicks, keys and menu commands into calls on it. It assembles the
 *  parts that own the board's state: the preferences, the menus, the board's size, the drag,
 *  the screen reader's words and focus, and the check's pacing. It tells the program what
 *  happened through its signals: sounds to play, music to start or stop, a finished game to
 *  offer to the high score table. Its controls carry object names ("Row12_0", "Check12_0",
 *  "ColSelect_0", "Image2", "Tournament", ...). */
class Form1 : public QMainWindow {
    Q_OBJECT
public:
    /** What the board needs from outside: the program's folder (for the help file), optionally
     *  a fixed random source instead of the generator seeded at every New Game, and the factor
     *  applied to every timer of the board: the check's pace and the banners' time (1 for
     *  players). */
    struct Services {
        QString programFolder;
        std::function<float()> random;
        double timeScale = 1.0;
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

    // Event handlers of the controls and the File menu.
    void Image2_Click(); // check button: scores the current row
    void Tournament_Click();
    void EndGame_Click();
    /** A click on entry Index of the upper colour bar; the lower bar leaves the panel alone. */
    void ColSelect_Click(int Index);
    void ColSelect2_Click(int Index);
    /** A click on hole Index of guess row `row` (0 is the top row). */
    void Row_Click(int row, int Index);
    void Undo1_Click();
    void Undo2_Click();
    void Redo1_Click();
    void Redo2_Click();

    [[nodiscard]] const Game& game() const { return m_game; }
    /** The player confirmed leaving: nothing more happens in this window. */
    [[nodiscard]] bool exiting() const { return m_exiting; }
    /** The board's size and the window around it. */
    [[nodiscard]] const BoardSize& boardSize() const { return *m_size; }

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
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Form_Load();
    void Form_QueryUnload(QCloseEvent* event);
    void render();
    void pickColour(int index, bool showInPanel);
    void dropped(ImageControl* source, QWidget* target);

    // Turn flow (Form1Turn.cpp).
    void afterCheck();
    void NextLevel();
    void GameOver();
    void FinishTournament();
    void endTournament();
    void PlayEffect(SoundCue cue);

    Services m_services;
    RandomGenerator m_generator;
    Game m_game;
    // Destroyed in reverse order: the size stores itself in the preferences as it goes.
    std::unique_ptr<Preferences> m_prefs;
    std::unique_ptr<BoardSize> m_size;
    BoardControls c;
    BoardMenus* m_menus = nullptr;
    PegDrag* m_drag = nullptr;
    std::unique_ptr<BoardSpeech> m_speech;
    CheckPacing* m_pacing = nullptr;
    bool m_exiting = false;      // the player confirmed Exit
    int m_panelColour = 0;       // colour shown in status panel 4, 0 for none
    int m_laidOutRow = 0;        // catalogue row the containers are laid out for
    bool m_keyboardUsed = false; // the cursor frame shows once the keyboard has played

    // Pictures.
    QPixmap StylePicture;
    QPixmap XPic;
    QPixmap BlackPic;
    QPixmap GreyPic;
    PicFrm* Pictures = nullptr;
};

} // namespace tintrix

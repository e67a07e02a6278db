// SPDX-License-Identifier: GPL-3.0-or-later
// The board window's menus and keyboard commands, showing the preferences.
#pragma once

#include "Cues.h"

#include "HelpWindow.h"

// Qt
#include <QObject>
#include <QPointer>
#include <QString>

class QAction;
class QMainWindow;
class QMenu;

namespace tintrix {

class Preferences;

/** The menu tree (File, the hidden Level menu, Preferences, Help) and the window-wide keys
 *  without a menu item (undo, redo, the board's size). The preference items show the
 *  preferences and change them; everything else is announced by a signal. */
class BoardMenus : public QObject {
    Q_OBJECT
public:
    BoardMenus(QMainWindow& window, Preferences& prefs, QString programFolder);

    /** What may be chosen: End Game while a game runs, the style between games. */
    void setAvailable(bool gameRunning, bool betweenGames);

    // Preference items.
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
    // Help items.
    void help_Click();
    void AboutMe_Click();

signals:
    void newGameChosen();
    void endGameChosen();
    void highScoresChosen();
    void exitChosen();
    void levelChosen(int catalogueRow);
    void undoChosen();
    void redoChosen();
    void zoomInChosen();
    void zoomOutChosen();
    void zoomResetChosen();
    /** A style was chosen, the one in use or another. */
    void styleChosen();
    /** The lower colour bar was shown or hidden. */
    void colorBarChanged();
    /** The background music's next step. */
    void musicCue(tintrix::MusicCue cue);

private:
    void build();
    void buildKeys();
    void selectStyle(int style);
    /** The check marks from the preferences. */
    void showPreferences();

    QMainWindow& m_window;
    Preferences& m_prefs;
    QString m_programFolder;
    QAction* EndGame = nullptr;
    QMenu* Style = nullptr;
    QPointer<HelpWindow> m_help; // the open help window, if any
};

} // namespace tintrix

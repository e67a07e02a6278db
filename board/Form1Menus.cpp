// SPDX-License-Identifier: GPL-3.0-or-later
// The menus: the menu tree, styles, colour bar, sound, music, help, about, high scores and leaving.
#include "Form1.h"

// own
#include "AppInfo.h"
#include "BoardLayout.h"
#include "HelpWindow.h"
#include "LevelCatalogue.h"
#include "PicFrm.h"
#include "Preferences.h"
#include "frmAbout.h"

// Qt
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QMessageBox>

namespace tintrix {

// ---------------------------------------------------------------------------------------------
// The menu tree

void Form1::buildMenus()
{
    QMenuBar* bar = menuBar();
    auto addItem = [this](QMenu* menu, const char* name, const QString& caption, void (Form1::*handler)()) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    // A checked item is switched by its handler alone: undo Qt's own toggle before the handler
    // reads the check marks, which are the live preferences.
    auto addChoice = [this](QMenu* menu, const char* name, const QString& caption, void (Form1::*handler)()) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        action->setCheckable(true);
        connect(action, &QAction::triggered, this, [this, action, handler](bool checked) {
            action->setChecked(!checked);
            (this->*handler)();
        });
        return action;
    };

    QMenu* fileMenu = bar->addMenu("&File");
    fileMenu->setObjectName("FileMenu");
    Tournament = addItem(fileMenu, "Tournament", "New Game", &Form1::Tournament_Click);
    EndGame = addItem(fileMenu, "EndGame", "End Game", &Form1::EndGame_Click);
    EndGame->setEnabled(false);
    fileMenu->addSeparator()->setObjectName("b1");
    HighScores = addItem(fileMenu, "HighScores", "High Scores", &Form1::HighScores_Click);
    fileMenu->addSeparator()->setObjectName("b9");
    ExitGame = addItem(fileMenu, "ExitGame", "Exit", &Form1::ExitGame_Click);

    // The level commands are run by the game itself; their menu is never shown.
    Levels = new QMenu("&Level", this);
    Levels->setObjectName("Levels");
    for (const LevelSpec& level : kLevelCatalogue) {
        QAction* action = Levels->addAction(QString::fromLatin1(level.MenuCaption.data(), qsizetype(level.MenuCaption.size())));
        action->setObjectName(QString::fromLatin1(level.Command.data(), qsizetype(level.Command.size())));
        const int row = level.Level;
        connect(action, &QAction::triggered, this, [this, row] { OpenLevel(row); });
    }

    QMenu* prefMenu = bar->addMenu("&Preferences");
    prefMenu->setObjectName("PrefMenu");
    Style = prefMenu->addMenu("Style");
    Style->setObjectName("Style");
    Swirl = addChoice(Style, "Swirl", "Swirl", &Form1::Swirl_Click);
    Stone = addChoice(Style, "Stone", "Stone", &Form1::Stone_Click);
    Ice = addChoice(Style, "Ice", "Ice", &Form1::Ice_Click);
    Cocktail = addChoice(Style, "Cocktail", "Cocktail", &Form1::Cocktail_Click);
    prefMenu->addSeparator()->setObjectName("b12");
    QMenu* soundMenu = prefMenu->addMenu("Sound");
    soundMenu->setObjectName("SoundMenu");
    SoundOn = addChoice(soundMenu, "SoundOn", "On", &Form1::SoundOn_Click);
    SoundOff = addChoice(soundMenu, "SoundOff", "Off", &Form1::SoundOff_Click);
    prefMenu->addSeparator()->setObjectName("b14");
    QMenu* music = prefMenu->addMenu("Music");
    music->setObjectName("Music");
    MusicOn = addChoice(music, "MusicOn", "On", &Form1::MusicOn_Click);
    MusicOff = addChoice(music, "MusicOff", "Off", &Form1::MusicOff_Click);
    prefMenu->addSeparator()->setObjectName("b15");
    QMenu* colorBar = prefMenu->addMenu("Color Bar");
    colorBar->setObjectName("ColorBar");
    ShowColorBar = addChoice(colorBar, "ShowColorBar", "Show", &Form1::ShowColorBar_Click);
    HideColorBar = addChoice(colorBar, "HideColorBar", "Hide", &Form1::HideColorBar_Click);

    QMenu* helpMenu = bar->addMenu("&Help");
    helpMenu->setObjectName("HelpMnu");
    help = addItem(helpMenu, "help", "Tintrix Help", &Form1::help_Click);
    helpMenu->addSeparator()->setObjectName("b2");
    AboutMe = addItem(helpMenu, "AboutMe", "About Tintrix", &Form1::AboutMe_Click);
}

// ---------------------------------------------------------------------------------------------
// Style

void Form1::Swirl_Click() { selectStyle(1); }
void Form1::Stone_Click() { selectStyle(2); }
void Form1::Ice_Click() { selectStyle(3); }
void Form1::Cocktail_Click() { selectStyle(4); }

void Form1::selectStyle(int style)
{
    QAction* items[] = {Swirl, Stone, Ice, Cocktail};
    for (int i = 0; i < 4; ++i)
        items[i]->setChecked(i + 1 == style);
    StylePicture = Pictures->stylePicture(style);
    // Between games a new style also clears the finished game's pegs.
    m_game.InitBoard();
    render();
    m_prefs->setStyle(style);
}

// ---------------------------------------------------------------------------------------------
// Colour bar: the lower bar lives in the 600 twips the window grows by.

void Form1::ShowColorBar_Click()
{
    if (m_colorBarShown)
        return;
    setColorBarShown(true);
}

void Form1::HideColorBar_Click()
{
    if (!m_colorBarShown)
        return;
    setColorBarShown(false);
}

void Form1::setColorBarShown(bool shown)
{
    m_tableHeightTwips += shown ? kColorBarGrowth : -kColorBarGrowth;
    applyWindowSize();
    ShowColorBar->setChecked(shown);
    HideColorBar->setChecked(!shown);
    m_colorBarShown = shown;
    m_prefs->setColorBar(shown);
}

// ---------------------------------------------------------------------------------------------
// Sound and music

bool Form1::checkChoice(QAction* chosen, QAction* other)
{
    // Choosing the item already checked changes nothing and writes nothing.
    if (chosen->isChecked())
        return false;
    chosen->setChecked(true);
    other->setChecked(false);
    return true;
}

void Form1::SoundOn_Click()
{
    if (checkChoice(SoundOn, SoundOff))
        m_prefs->setSound(true);
}

void Form1::SoundOff_Click()
{
    if (checkChoice(SoundOff, SoundOn))
        m_prefs->setSound(false);
}

void Form1::MusicOn_Click()
{
    if (MusicOn->isChecked())
        return;
    emit musicCue(MusicCue::Play);
    checkChoice(MusicOn, MusicOff);
    m_prefs->setMusic(true);
}

void Form1::MusicOff_Click()
{
    if (MusicOff->isChecked())
        return;
    emit musicCue(MusicCue::Stop);
    checkChoice(MusicOff, MusicOn);
    m_prefs->setMusic(false);
}

// ---------------------------------------------------------------------------------------------
// Help, about, high scores

void Form1::help_Click()
{
    ShowHelp(m_services.programFolder + "/tintrix.hlp", this);
}

void Form1::AboutMe_Click()
{
    frmAbout about(this);
    about.exec();
}

void Form1::HighScores_Click()
{
    emit highScoresRequested();
}

// ---------------------------------------------------------------------------------------------
// Leaving

void Form1::ExitGame_Click()
{
    close();
}

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
    QMessageBox box(QMessageBox::Question, ApplicationTitle(), "Exit Tintrix?",
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setObjectName("ExitBox");
    if (box.exec() != QMessageBox::Yes) {
        event->ignore();
        return;
    }
    // Everything is already saved: end at once, also in the middle of a check.
    m_exiting = true;
    Timer1.stop();
    event->accept();
    emit exitConfirmed();
}

} // namespace tintrix

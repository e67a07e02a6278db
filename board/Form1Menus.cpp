// SPDX-License-Identifier: GPL-3.0-or-later
// The menus: styles, colour bar, sound, music, help, about, high scores and leaving.
#include "Form1.h"

// own
#include "AppInfo.h"
#include "BoardLayout.h"
#include "HelpWindow.h"
#include "PicFrm.h"
#include "Preferences.h"
#include "frmAbout.h"

// Qt
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMessageBox>

namespace tintrix {

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

// SPDX-License-Identifier: GPL-3.0-or-later
// The menus and keyboard commands, and the preferences they show.
#include "BoardMenus.h"

// own
#include "HelpWindow.h"
#include "LevelCatalogue.h"
#include "Preferences.h"
#include "Translations.h"
#include "frmAbout.h"

// Qt
#include <QAction>
#include <QCoreApplication>
#include <QMainWindow>
#include <QMenuBar>

namespace tintrix {

BoardMenus::BoardMenus(QMainWindow& window, Preferences& prefs, QString programFolder)
    : QObject(&window), m_window(window), m_prefs(prefs), m_programFolder(std::move(programFolder))
{
    build();
    buildKeys();
    showPreferences();
    connect(&m_prefs, &Preferences::changed, this, &BoardMenus::showPreferences);
}

// ---------------------------------------------------------------------------------------------
// The menu tree

void BoardMenus::build()
{
    QMenuBar* bar = m_window.menuBar();
    auto addItem = [this](QMenu* menu, const char* name, const char* caption, auto handler) {
        QAction* action = menu->addAction(QCoreApplication::translate("Menu", caption));
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    // A checked item shows the preferences: Qt's own toggle is undone, the handler changes the
    // preference and the check marks follow it.
    auto addChoice = [this](QMenu* menu, const char* name, const char* caption, void (BoardMenus::*handler)()) {
        QAction* action = menu->addAction(QCoreApplication::translate("Menu", caption));
        action->setObjectName(QLatin1String(name));
        action->setCheckable(true);
        connect(action, &QAction::triggered, this, [this, handler] {
            (this->*handler)();
            showPreferences();
        });
        return action;
    };

    QMenu* fileMenu = bar->addMenu(QCoreApplication::translate("Menu", "&File"));
    fileMenu->setObjectName("FileMenu");
    QAction* tournament = addItem(fileMenu, "Tournament", QT_TRANSLATE_NOOP("Menu", "New Game"), &BoardMenus::newGameChosen);
    EndGame = addItem(fileMenu, "EndGame", QT_TRANSLATE_NOOP("Menu", "End Game"), &BoardMenus::endGameChosen);
    EndGame->setEnabled(false);
    fileMenu->addSeparator()->setObjectName("b1");
    QAction* highScores = addItem(fileMenu, "HighScores", QT_TRANSLATE_NOOP("Menu", "High Scores"), &BoardMenus::highScoresChosen);
    fileMenu->addSeparator()->setObjectName("b9");
    QAction* exitGame = addItem(fileMenu, "ExitGame", QT_TRANSLATE_NOOP("Menu", "Exit"), &BoardMenus::exitChosen);
    tournament->setShortcut(QKeySequence::New);
    EndGame->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    highScores->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    exitGame->setShortcut(QKeySequence::Quit);

    // The level commands are run by the game itself; their menu is never shown.
    auto* levels = new QMenu(QCoreApplication::translate("Menu", "&Level"), &m_window);
    levels->setObjectName("Levels");
    for (const LevelSpec& level : kLevelCatalogue) {
        const QByteArray caption(level.MenuCaption.data(), qsizetype(level.MenuCaption.size()));
        QAction* action = levels->addAction(QCoreApplication::translate("Menu", caption.constData()));
        action->setObjectName(QString::fromLatin1(level.Command.data(), qsizetype(level.Command.size())));
        const int row = level.Level;
        connect(action, &QAction::triggered, this, [this, row] { emit levelChosen(row); });
    }

    QMenu* prefMenu = bar->addMenu(QCoreApplication::translate("Menu", "&Preferences"));
    prefMenu->setObjectName("PrefMenu");
    Style = prefMenu->addMenu(QCoreApplication::translate("Menu", "Style"));
    Style->setObjectName("Style");
    addChoice(Style, "Swirl", QT_TRANSLATE_NOOP("Menu", "Swirl"), &BoardMenus::Swirl_Click);
    addChoice(Style, "Stone", QT_TRANSLATE_NOOP("Menu", "Stone"), &BoardMenus::Stone_Click);
    addChoice(Style, "Ice", QT_TRANSLATE_NOOP("Menu", "Ice"), &BoardMenus::Ice_Click);
    addChoice(Style, "Cocktail", QT_TRANSLATE_NOOP("Menu", "Cocktail"), &BoardMenus::Cocktail_Click);
    prefMenu->addSeparator()->setObjectName("b12");
    QMenu* soundMenu = prefMenu->addMenu(QCoreApplication::translate("Menu", "Sound"));
    soundMenu->setObjectName("SoundMenu");
    addChoice(soundMenu, "SoundOn", QT_TRANSLATE_NOOP("Menu", "On"), &BoardMenus::SoundOn_Click);
    addChoice(soundMenu, "SoundOff", QT_TRANSLATE_NOOP("Menu", "Off"), &BoardMenus::SoundOff_Click);
    prefMenu->addSeparator()->setObjectName("b14");
    QMenu* music = prefMenu->addMenu(QCoreApplication::translate("Menu", "Music"));
    music->setObjectName("Music");
    addChoice(music, "MusicOn", QT_TRANSLATE_NOOP("Menu", "On"), &BoardMenus::MusicOn_Click);
    addChoice(music, "MusicOff", QT_TRANSLATE_NOOP("Menu", "Off"), &BoardMenus::MusicOff_Click);
    prefMenu->addSeparator()->setObjectName("b15");
    QMenu* colorBar = prefMenu->addMenu(QCoreApplication::translate("Menu", "Color Bar"));
    colorBar->setObjectName("ColorBar");
    addChoice(colorBar, "ShowColorBar", QT_TRANSLATE_NOOP("Menu", "Show"), &BoardMenus::ShowColorBar_Click);
    addChoice(colorBar, "HideColorBar", QT_TRANSLATE_NOOP("Menu", "Hide"), &BoardMenus::HideColorBar_Click);

    QMenu* helpMenu = bar->addMenu(QCoreApplication::translate("Menu", "&Help"));
    helpMenu->setObjectName("HelpMnu");
    QAction* help = addItem(helpMenu, "help", QT_TRANSLATE_NOOP("Menu", "Tintrix Help"), &BoardMenus::help_Click);
    help->setShortcut(QKeySequence::HelpContents);
    helpMenu->addSeparator()->setObjectName("b2");
    addItem(helpMenu, "AboutMe", QT_TRANSLATE_NOOP("Menu", "About Tintrix"), &BoardMenus::AboutMe_Click);
}

void BoardMenus::buildKeys()
{
    // Undo, redo and the board's size have no menu items: window-wide actions carry their keys.
    auto addKey = [this](const char* name, const QString& text, const QList<QKeySequence>& keys, void (BoardMenus::*chosen)()) {
        auto* action = new QAction(text, &m_window);
        action->setObjectName(QLatin1String(name));
        action->setShortcuts(keys);
        connect(action, &QAction::triggered, this, chosen);
        m_window.addAction(action);
    };
    addKey("UndoKey", QCoreApplication::translate("Menu", "Clear Row"), QKeySequence::keyBindings(QKeySequence::Undo), &BoardMenus::undoChosen);
    addKey("RedoKey", QCoreApplication::translate("Menu", "Redo Last Row"), {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
           &BoardMenus::redoChosen);
    addKey("ZoomIn", {}, {QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)}, &BoardMenus::zoomInChosen);
    addKey("ZoomOut", {}, QKeySequence::keyBindings(QKeySequence::ZoomOut), &BoardMenus::zoomOutChosen);
    addKey("ZoomReset", {}, {QKeySequence(Qt::CTRL | Qt::Key_0)}, &BoardMenus::zoomResetChosen);
}

void BoardMenus::setAvailable(bool gameRunning, bool betweenGames)
{
    EndGame->setEnabled(gameRunning);
    Style->setEnabled(betweenGames);
}

void BoardMenus::showPreferences()
{
    auto check = [this](const char* name, bool on) { m_window.findChild<QAction*>(QLatin1String(name))->setChecked(on); };
    const char* styles[] = {"Swirl", "Stone", "Ice", "Cocktail"};
    for (int i = 0; i < 4; ++i)
        check(styles[i], m_prefs.style() == i + 1);
    check("SoundOn", m_prefs.sound());
    check("SoundOff", !m_prefs.sound());
    check("MusicOn", m_prefs.music());
    check("MusicOff", !m_prefs.music());
    check("ShowColorBar", m_prefs.colorBar());
    check("HideColorBar", !m_prefs.colorBar());
}

// ---------------------------------------------------------------------------------------------
// Preferences

void BoardMenus::Swirl_Click() { selectStyle(1); }
void BoardMenus::Stone_Click() { selectStyle(2); }
void BoardMenus::Ice_Click() { selectStyle(3); }
void BoardMenus::Cocktail_Click() { selectStyle(4); }

void BoardMenus::selectStyle(int style)
{
    m_prefs.setStyle(style);
    emit styleChosen();
}

void BoardMenus::ShowColorBar_Click()
{
    if (m_prefs.setColorBar(true))
        emit colorBarChanged();
}

void BoardMenus::HideColorBar_Click()
{
    if (m_prefs.setColorBar(false))
        emit colorBarChanged();
}

// Choosing the item already checked changes nothing and writes nothing.
void BoardMenus::SoundOn_Click() { m_prefs.setSound(true); }
void BoardMenus::SoundOff_Click() { m_prefs.setSound(false); }

void BoardMenus::MusicOn_Click()
{
    if (m_prefs.setMusic(true))
        emit musicCue(MusicCue::Play);
}

void BoardMenus::MusicOff_Click()
{
    if (m_prefs.setMusic(false))
        emit musicCue(MusicCue::Stop);
}

// ---------------------------------------------------------------------------------------------
// Help

void BoardMenus::help_Click()
{
    // The help page in the player's language, the English one where there is none.
    ShowHelp(m_help, LocalizedFile(m_programFolder, QStringLiteral("tintrix.hlp")), &m_window);
}

void BoardMenus::AboutMe_Click()
{
    frmAbout about(&m_window);
    about.exec();
}

} // namespace tintrix

// SPDX-License-Identifier: GPL-3.0-or-later
// The menu bar and the four preferences: defaults, damaged values, writing at once, and leaving.
#include "BoardFixture.h"

#include <QCoreApplication>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QSignalSpy>

using namespace tintrix;
using namespace tintrix::test;

namespace {

QString app() { return QCoreApplication::applicationName(); }

QVariant stored(const char* key)
{
    QSettings settings(app(), app());
    return settings.value(QStringLiteral("preferences/") + QLatin1String(key));
}

void store(const char* key, const QVariant& value)
{
    QSettings settings(app(), app());
    settings.setValue(QStringLiteral("preferences/") + QLatin1String(key), value);
}

QStringList captions(const QMenu* menu)
{
    QStringList out;
    for (QAction* a : menu->actions())
        out << (a->isSeparator() ? QString("-") : a->text());
    return out;
}

} // namespace

class MenusTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { PrepareTestEnvironment(); }
    void init() { ClearSettings(); }

    // The menu tree the player sees.
    void menuTree()
    {
        BoardFixture fx;
        QStringList bar;
        for (QAction* a : fx.f().menuBar()->actions())
            bar << a->text();
        QCOMPARE(bar, (QStringList{"&File", "&Preferences", "&Help"}));
        const QList<QAction*> top = fx.f().menuBar()->actions();
        QCOMPARE(captions(top[0]->menu()), (QStringList{"New Game", "End Game", "-", "High Scores", "-", "Exit"}));
        QCOMPARE(captions(top[1]->menu()), (QStringList{"Style", "-", "Sound", "-", "Music", "-", "Color Bar"}));
        QCOMPARE(captions(fx.menu("Style")), (QStringList{"Swirl", "Stone", "Ice", "Cocktail"}));
        QCOMPARE(captions(top[2]->menu()), (QStringList{"Tintrix Help", "-", "About Tintrix"}));
        QCOMPARE(fx.act("ShowColorBar")->text(), QString("Show"));
        QCOMPARE(fx.act("MusicOff")->text(), QString("Off"));
    }

    // A first run behaves as if the defaults had been stored.
    void firstRunDefaults()
    {
        BoardFixture fx;
        QVERIFY(fx.act("HideColorBar")->isChecked() && !fx.act("ShowColorBar")->isChecked());
        QVERIFY(fx.act("SoundOn")->isChecked() && !fx.act("SoundOff")->isChecked());
        QVERIFY(fx.act("MusicOn")->isChecked() && !fx.act("MusicOff")->isChecked());
        QVERIFY(fx.act("Swirl")->isChecked() && !fx.act("Stone")->isChecked() && !fx.act("Ice")->isChecked() && !fx.act("Cocktail")->isChecked());
        QVERIFY(!stored("style").isValid()); // loading writes nothing
    }

    // Values the game cannot read fall back to each key's default.
    void unreadableValuesFallBack_data()
    {
        QTest::addColumn<QString>("style");
        QTest::addColumn<QString>("boolean");
        QTest::newRow("out of range") << "7" << "maybe";
        QTest::newRow("zero") << "0" << "";
        QTest::newRow("text") << "Stone" << "yes please";
        QTest::newRow("negative") << "-2" << "1x";
    }
    void unreadableValuesFallBack()
    {
        QFETCH(QString, style);
        QFETCH(QString, boolean);
        store("style", style);
        for (const char* key : {"sound", "music", "ColorBar"})
            store(key, boolean);
        BoardFixture fx;
        QVERIFY(fx.act("Swirl")->isChecked());
        QVERIFY(fx.act("SoundOn")->isChecked());
        QVERIFY(fx.act("MusicOn")->isChecked());
        QVERIFY(fx.act("HideColorBar")->isChecked());
        fx.newGame(); // and the game plays
        QCOMPARE(fx.s().CurrentLevel, 1);
    }

    // A settings file of junk bytes: defaults, no crash.
    void corruptSettingsFile()
    {
        QString path;
        {
            QSettings settings(app(), app());
            settings.setValue("preferences/style", "3");
            settings.sync();
            path = settings.fileName();
        }
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("\x00\xff[prefer\nstyle=\x01\x02\n[[[", 24));
        file.close();
        BoardFixture fx;
        QVERIFY(fx.act("Swirl")->isChecked() || fx.act("Ice")->isChecked());
        QVERIFY(fx.act("SoundOn")->isChecked());
    }

    // Stored values are read the way they were written, in any case.
    void storedValuesAreApplied()
    {
        store("style", "4");
        store("sound", "False");
        store("music", "false");
        store("ColorBar", "True");
        BoardFixture fx;
        Form1& f = fx.f();
        QVERIFY(fx.act("Cocktail")->isChecked() && !fx.act("Swirl")->isChecked());
        QVERIFY(fx.act("SoundOff")->isChecked() && !fx.act("SoundOn")->isChecked());
        QVERIFY(fx.act("MusicOff")->isChecked());
        QVERIFY(fx.act("ShowColorBar")->isChecked());
        QVERIFY(BoardFixture::samePicture(fx.guessHole(0, 0)->picture(), fx.pictures.stylePicture(4)));
        // Laid out with the bar from the first showing.
        QCOMPARE(f.HeightTwips(), f.StatusBarHeightTwips() + 5050);
    }

    // Every change is on disk when its handler returns; a checked item writes nothing.
    void changesAreWrittenAtOnce()
    {
        BoardFixture fx;
        fx.act("SoundOn")->trigger();
        fx.act("MusicOn")->trigger();
        fx.act("HideColorBar")->trigger();
        QVERIFY(!stored("sound").isValid() && !stored("music").isValid() && !stored("ColorBar").isValid());
        QVERIFY(fx.act("SoundOn")->isChecked() && fx.act("MusicOn")->isChecked());

        fx.act("SoundOff")->trigger();
        QCOMPARE(stored("sound").toString(), QString("False"));
        QVERIFY(fx.act("SoundOff")->isChecked() && !fx.act("SoundOn")->isChecked());
        fx.act("SoundOn")->trigger();
        QCOMPARE(stored("sound").toString(), QString("True"));
        fx.act("MusicOff")->trigger();
        QCOMPARE(stored("music").toString(), QString("False"));
        fx.act("ShowColorBar")->trigger();
        QCOMPARE(stored("ColorBar").toString(), QString("True"));
        fx.act("Ice")->trigger();
        QCOMPARE(stored("style").toString(), QString("3"));
        QVERIFY(fx.act("Ice")->isChecked() && !fx.act("Swirl")->isChecked());
        // Choosing the checked style again redraws and writes again.
        store("style", "junk");
        fx.act("Ice")->trigger();
        QCOMPARE(stored("style").toString(), QString("3"));
    }

    // Show while shown, Hide while hidden: no change at all.
    void showWhileShownChangesNothing()
    {
        BoardFixture fx;
        Form1& f = fx.f();
        const int hidden = f.HeightTwips();
        fx.act("HideColorBar")->trigger();
        QCOMPARE(f.HeightTwips(), hidden);
        fx.act("ShowColorBar")->trigger();
        const int shown = f.HeightTwips();
        QCOMPARE(shown, hidden + 600);
        store("ColorBar", "keep");
        fx.act("ShowColorBar")->trigger();
        QCOMPARE(f.HeightTwips(), shown);
        QCOMPARE(stored("ColorBar").toString(), QString("keep"));
    }

    // After Show and a restart, level 1 is 600 twips taller.
    void colourBarSurvivesARestart()
    {
        int hidden = 0;
        {
            BoardFixture fx;
            hidden = fx.f().HeightTwips();
            fx.act("ShowColorBar")->trigger();
        }
        BoardFixture again;
        QCOMPARE(again.f().HeightTwips(), hidden + 600);
        QVERIFY(again.act("ShowColorBar")->isChecked());
    }

    // Sound Off silences effects, not the music; Music Off and On stop and resume it.
    void soundAndMusicSwitches()
    {
        BoardFixture fx;
        fx.act("SoundOff")->trigger();
        fx.newGame();
        fx.win();
        QVERIFY(fx.audio->effects.isEmpty());
        QCOMPARE(fx.audio->fakeMidi.calls, (QStringList{"open Airy.mid", "rewind", "play"}));

        fx.audio->fakeMidi.calls.clear();
        fx.act("MusicOn")->trigger(); // already on: nothing sent
        QVERIFY(fx.audio->fakeMidi.calls.isEmpty());
        fx.audio->fakeMidi.setPosition(1234);
        fx.act("MusicOff")->trigger();
        fx.act("MusicOn")->trigger();
        QCOMPARE(fx.audio->fakeMidi.calls, (QStringList{"stop", "play"}));
        QCOMPARE(fx.audio->fakeMidi.position(), 1234); // resumes where it stopped
    }

    // With music off, New Game opens and rewinds the piece but does not play it.
    void newGameWithMusicOff()
    {
        store("music", "False");
        BoardFixture fx;
        fx.newGame();
        QCOMPARE(fx.audio->fakeMidi.calls, (QStringList{"open Airy.mid", "rewind"}));
        fx.act("MusicOn")->trigger();
        QCOMPARE(fx.audio->fakeMidi.calls.last(), QString("play"));
        QCOMPARE(fx.audio->fakeMidi.position(), 0);
    }

    // The piece starts again within one status update of reaching its end.
    void musicLoopsAtTheEnd()
    {
        BoardFixture fx;
        fx.newGame();
        fx.audio->fakeMidi.calls.clear();
        fx.audio->fakeMidi.setPosition(fx.audio->fakeMidi.length() - 10);
        QTest::qWait(40); // status updates every 20 ms at the tests' time scale
        QVERIFY(fx.audio->fakeMidi.calls.isEmpty());
        fx.audio->fakeMidi.setPosition(fx.audio->fakeMidi.length() + 50);
        QVERIFY(WaitFor([&] { return fx.audio->fakeMidi.calls.size() >= 2; }, 1000));
        QCOMPARE(fx.audio->fakeMidi.calls.mid(0, 2), (QStringList{"rewind", "play"}));
        QCOMPARE(fx.audio->fakeMidi.position(), 0);
    }

    // Style: locked during a game; between games a change clears the finished game's pegs.
    void styleBetweenGames()
    {
        BoardFixture fx;
        fx.newGame();
        QVERIFY(!fx.menu("Style")->isEnabled());
        fx.missRow();
        fx.act("EndGame")->trigger();
        fx.settle();
        QVERIFY(fx.menu("Style")->isEnabled());
        QCOMPARE(fx.s().GuessPieces(0, 0).Color, fx.miss()[0]);
        fx.act("Stone")->trigger();
        const QPixmap stone = fx.pictures.stylePicture(2);
        for (int j = 0; j < 4; ++j) {
            QCOMPARE(fx.s().GuessPieces(0, j).Color, 0);
            QVERIFY(BoardFixture::samePicture(fx.guessHole(0, j)->picture(), stone));
            QVERIFY(BoardFixture::samePicture(fx.clueHole(0, j)->picture(), stone));
            QVERIFY(!fx.s().CluePieces(0, j).Matched);
        }
    }

    // Exit answered No leaves a running game exactly as it was; Yes ends the program.
    void exitConfirmation()
    {
        BoardFixture fx;
        Form1& f = fx.f();
        QSignalSpy exit(&f, &Form1::exitConfirmed);
        fx.newGame();
        fx.place(0, fx.secret()[0]);
        const QStringList midi = fx.audio->fakeMidi.calls;
        fx.act("ExitGame")->trigger();
        QCOMPARE(fx.log.seen.last(), QString("exit"));
        QVERIFY(f.isVisible());
        QCOMPARE(exit.count(), 0);
        QCOMPARE(fx.audio->fakeMidi.calls, midi);
        QVERIFY(fx.act("EndGame")->isEnabled());
        QCOMPARE(fx.s().GuessPieces(0, 0).Color, fx.secret()[0]);
        // The close box asks the same question.
        f.close();
        QCOMPARE(fx.log.seen.count("exit"), 2);
        QVERIFY(f.isVisible());
        fx.log.exitAnswerYes = true;
        f.close();
        QCOMPARE(exit.count(), 1);
        QVERIFY(!f.isVisible());
    }
};

QTEST_MAIN(MenusTest)
#include "test_menus.moc"

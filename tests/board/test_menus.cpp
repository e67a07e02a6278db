// SPDX-License-Identifier: GPL-3.0-or-later
// The preferences: defaults, damaged values, writing at once, sound and music, style, leaving.
#include "BoardFixture.h"

#include <QCoreApplication>
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

} // namespace

class MenusTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { PrepareTestEnvironment(); }
    void init() { ClearSettings(); }

    // Stored values are applied however they were written; values the game cannot read, and
    // a first run, give each key's default; loading writes nothing.
    void storedValues_data()
    {
        QTest::addColumn<QString>("style");
        QTest::addColumn<QString>("boolean");
        QTest::addColumn<QString>("checked");
        QTest::newRow("first run") << QString() << QString() << "Swirl SoundOn MusicOn HideColorBar";
        QTest::newRow("as written") << "4" << "False" << "Cocktail SoundOff MusicOff HideColorBar";
        QTest::newRow("other case, numbers") << " 2" << "true" << "Stone SoundOn MusicOn ShowColorBar";
        QTest::newRow("out of range") << "7" << "maybe" << "Swirl SoundOn MusicOn HideColorBar";
        QTest::newRow("text") << "Stone" << "1x" << "Swirl SoundOn MusicOn HideColorBar";
    }
    void storedValues()
    {
        QFETCH(QString, style);
        QFETCH(QString, boolean);
        QFETCH(QString, checked);
        if (!style.isNull()) {
            store("style", style);
            for (const char* key : {"sound", "music", "ColorBar"})
                store(key, boolean);
        }
        BoardFixture fx;
        for (const QString& name : checked.split(' '))
            QVERIFY2(fx.find<QAction>(name)->isChecked(), qPrintable(name));
        QCOMPARE(fx.find("ColorBox2")->isVisible(), checked.contains("ShowColorBar"));
        QCOMPARE(stored("style").toString(), style);
        fx.newGame(); // and the game plays
        QCOMPARE(fx.s().CurrentLevel, 1);
    }

    // Every change is on disk when its handler returns; a checked item writes nothing; the
    // colour bar survives a restart.
    void changesAreWrittenAtOnce()
    {
        {
            BoardFixture fx;
            const int hidden = fx.f().HeightTwips();
            for (const char* item : {"SoundOn", "MusicOn", "HideColorBar"})
                fx.act(item)->trigger();
            QVERIFY(!stored("sound").isValid() && !stored("music").isValid() && !stored("ColorBar").isValid());
            QCOMPARE(fx.f().HeightTwips(), hidden);
            fx.act("SoundOff")->trigger();
            QCOMPARE(stored("sound").toString(), QString("False"));
            QVERIFY(fx.act("SoundOff")->isChecked() && !fx.act("SoundOn")->isChecked());
            fx.act("MusicOff")->trigger();
            QCOMPARE(stored("music").toString(), QString("False"));
            fx.act("Ice")->trigger();
            QCOMPARE(stored("style").toString(), QString("3"));
            QVERIFY(fx.act("Ice")->isChecked() && !fx.act("Swirl")->isChecked());
            fx.act("ShowColorBar")->trigger();
            QCOMPARE(stored("ColorBar").toString(), QString("True"));
            QCOMPARE(fx.f().HeightTwips(), hidden + 600);
            store("ColorBar", "keep");
            fx.act("ShowColorBar")->trigger(); // shown already: no change at all
            QCOMPARE(fx.f().HeightTwips(), hidden + 600);
            QCOMPARE(stored("ColorBar").toString(), QString("keep"));
            store("ColorBar", "True");
        }
        BoardFixture again;
        QVERIFY(again.act("ShowColorBar")->isChecked());
        QVERIFY(again.find("ColorBox2")->isVisible());
    }

    // Sound Off silences effects, not the music; Music Off and On stop and resume it; with
    // music off New Game opens and rewinds the piece without playing it.
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

        fx.act("MusicOff")->trigger();
        fx.audio->fakeMidi.calls.clear();
        fx.newGame();
        QCOMPARE(fx.audio->fakeMidi.calls, (QStringList{"open Airy.mid", "rewind"}));
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
        fx.act("Stone")->trigger();
        const QPixmap stone = fx.pictures.stylePicture(2);
        for (int j = 0; j < 4; ++j) {
            QCOMPARE(fx.s().GuessPieces(0, j).Color, 0);
            QVERIFY(BoardFixture::samePicture(fx.guessHole(0, j)->picture(), stone));
            QVERIFY(BoardFixture::samePicture(fx.clueHole(0, j)->picture(), stone));
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
        f.close(); // the close box asks the same question
        QCOMPARE(fx.log.seen.count("exit"), 2);
        QVERIFY(f.isVisible());
        QCOMPARE(exit.count(), 0);
        QCOMPARE(fx.audio->fakeMidi.calls, midi);
        QCOMPARE(fx.s().GuessPieces(0, 0).Color, fx.secret()[0]);
        fx.log.exitAnswerYes = true;
        f.close();
        QCOMPARE(exit.count(), 1);
        QVERIFY(!f.isVisible());
    }
};

QTEST_MAIN(MenusTest)
#include "test_menus.moc"

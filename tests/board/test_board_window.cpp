// SPDX-License-Identifier: GPL-3.0-or-later
// The board window: the layout of every level, the board's size, and the preferences.
#include "BoardFixture.h"
#include "HighScoreFrm.h"
#include "LevelCatalogue.h"
#include "Twips.h"

#include <QDir>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>

using namespace tintrix;
using namespace tintrix::test;

namespace {

QRect geo(BoardFixture& fx, const char* name) { return BoardSize::TwipGeometry(fx.find(QLatin1String(name))); }

/** Twips in pixels at a size, rounded as the board rounds them. */
int Px(double zoom, int twips) { return int(std::lround(twips * zoom / 15)); }

/** The board area a board of that size needs. */
QSize AreaFor(const BoardSize& size)
{
    return QSize(Px(size.zoom(), size.WidthTwips() - 120), Px(size.zoom(), size.HeightTwips() - size.StatusBarHeightTwips() - 690));
}

QString app() { return QCoreApplication::applicationName(); }

QVariant stored(const char* key) { return QSettings(app(), app()).value(QStringLiteral("preferences/") + QLatin1String(key)); }

void store(const char* key, const QVariant& value)
{
    QSettings settings(app(), app());
    settings.setValue(QStringLiteral("preferences/") + QLatin1String(key), value);
    settings.sync();
}

} // namespace

class BoardWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { PrepareTestEnvironment(); }
    void init() { ClearSettings(); }

    // Every catalogue row, lower bar hidden and shown: the used holes, rows and colours are whole, the rest cut off.
    void everyLevelShowsExactlyItsHolesRowsAndColours_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("barShown");
        for (int row = 1; row <= kCatalogueRows; ++row) {
            QTest::addRow("row %d hidden", row) << row << false;
            QTest::addRow("row %d shown", row) << row << true;
        }
    }
    void everyLevelShowsExactlyItsHolesRowsAndColours()
    {
        QFETCH(int, row);
        QFETCH(bool, barShown);
        BoardFixture fx;
        Form1& f = fx.f();
        if (barShown)
            fx.act("ShowColorBar")->trigger();
        f.OpenLevel(row);
        const LevelSpec& level = *FetchLevel(row);
        const int rows = level.RowLimit + 1;

        const QRect field1 = geo(fx, "FieldBox1");
        const QRect field2 = geo(fx, "FieldBox2");
        const QRect bar2 = geo(fx, "ColorBox2");
        // Holes inside the fields (the last may lose two pixels of its edge, as on the wider
        // levels it always did), the next one cut off with at most 20 twips left.
        QVERIFY(240 + 360 * (level.Holes - 1) + 345 <= field1.width());
        if (level.Holes < 6)
            QVERIFY(field1.width() - (240 + 360 * level.Holes) <= 20);
        QVERIFY(120 + 360 * (level.Holes - 1) + 345 <= field2.width());
        if (level.Holes < 6)
            QVERIFY(field2.width() - (120 + 360 * level.Holes) <= 20);
        // Rows: the level's rows inside, the next cut off.
        QVERIFY(360 + 360 * (rows - 1) + 375 <= field1.height());
        if (rows < 12)
            QVERIFY(field1.height() - (360 + 360 * rows) <= 20);
        QCOMPARE(field2.height(), field1.height());
        // Colours: the level's colours on both bars.
        for (const QRect& bar : {geo(fx, "ColorBox1"), bar2}) {
            QVERIFY(120 + 360 * (level.ColorCount - 1) + 345 <= bar.width());
            if (level.ColorCount < 8)
                QVERIFY(bar.width() - (120 + 360 * level.ColorCount) <= 20);
        }
        // FieldBox2 against FieldBox1's edge, or 1700 right of its left on 4-hole levels.
        QCOMPARE(field2.x(), field1.x() + (level.Holes == 4 ? 1700 : field1.width()));

        // The board area shows everything used, but not the lower bar when it is hidden.
        const int areaHeight = ToTwips(f.centralWidget()->height());
        const int areaWidth = ToTwips(f.centralWidget()->width());
        QVERIFY(areaHeight >= field1.y() + field1.height());
        QVERIFY(areaWidth >= field2.x() + field2.width());
        QVERIFY(areaWidth >= geo(fx, "DoBox1").x() + 735);
        if (barShown)
            QVERIFY(areaHeight >= bar2.y() + 375);
        else
            QVERIFY(areaHeight <= bar2.y());
    }

    // At 1x, 1.5x and 2x every container and hole stands at the layout's twips times the size,
    // the pictures drawn for that size; the level's size survives a restart.
    void boardGrowsWithItsSize_data()
    {
        QTest::addColumn<int>("steps");
        for (int steps : {0, 2, 4})
            QTest::addRow("%.1fx", 1 + 0.25 * steps) << steps;
    }
    void boardGrowsWithItsSize()
    {
        QFETCH(int, steps);
        const double zoom = 1 + 0.25 * steps;
        BoardFixture fx;
        for (int i = 0; i < steps; ++i)
            fx.act("ZoomIn")->trigger();
        QCOMPARE(fx.f().boardSize().zoom(), zoom);
        auto px = [zoom](int twips) { return Px(zoom, twips); };
        for (int row = 1; row <= kCatalogueRows; ++row) {
            fx.f().OpenLevel(row);
            for (const char* name : {"FieldBox1", "FieldBox2", "ColorBox1", "DoBox1", "Image2", "Row12_0", "Check12_3", "ColSelect_5"}) {
                QWidget* w = fx.find(QLatin1String(name));
                const QRect t = BoardSize::TwipGeometry(w);
                QCOMPARE(w->geometry(), QRect(px(t.x()), px(t.y()), px(t.width()), px(t.height())));
            }
            QCOMPARE(fx.f().centralWidget()->size(), AreaFor(fx.f().boardSize()));
            if (row == 1 || row == kCatalogueRows) {
                QDir().mkpath(TINTRIX_ARTIFACTS "/sizes");
                fx.f().grab().save(QStringLiteral(TINTRIX_ARTIFACTS "/sizes/level%1-%2x.png").arg(row).arg(zoom));
            }
        }
        // The pictures are drawn for the size (a peg is 40 pixels at 1x), not stretched.
        auto pegSize = [&] { const QPixmap peg = fx.img("ColSelect_0")->picture(); return peg.size() / peg.devicePixelRatio(); };
        QTRY_COMPARE(pegSize(), QSize(px(600), px(600)));

        // The reveal window follows the board (the banner: windowsOpenAtTheirOwnBoardsSize), half
        // its own height below the board's top.
        QSize reveal;
        int revealTop = 0;
        fx.log.onOpen = [&](QWidget* w) {
            if (qobject_cast<Masterfrm*>(w)) {
                reveal = w->size();
                revealTop = w->frameGeometry().top() - fx.f().frameGeometry().top() - w->frameGeometry().height() / 2;
            }
            return false;
        };
        fx.newGame();
        fx.act("EndGame")->trigger();
        fx.settle();
        QCOMPARE(reveal, QSize(px(3000), px(2160)));
        QVERIFY2(std::abs(revealTop) <= 4, qPrintable(QString::number(revealTop))); // the frame may settle a little
    }

    // Each board hands its own size, and the program's time scale, to the windows it opens,
    // whatever size another board has: a board made later at the normal size leaves the banner
    // and the high score table of a larger board at that board's size.
    void windowsOpenAtTheirOwnBoardsSize()
    {
        BoardFixture large;
        large.act("ZoomIn")->trigger();
        large.act("ZoomIn")->trigger();
        BoardFixture normal;
        normal.act("ZoomReset")->trigger();
        QCOMPARE(large.f().boardSize().zoom(), 1.5);
        QCOMPARE(normal.f().boardSize().zoom(), 1.0);
        QSize tables[2];
        for (BoardFixture* fx : {&large, &normal}) {
            const double zoom = fx->f().boardSize().zoom();
            QSize& table = tables[fx == &normal];
            QSize banner;
            BannerScale bannerScale;
            fx->log.onOpen = [&](QWidget* w) {
                if (auto* shown = qobject_cast<LevelFrm*>(w); shown && w->parentWidget() == &fx->f())
                    banner = w->size(), bannerScale = shown->scale();
                if (qobject_cast<HighScoreFrm*>(w) && w->parentWidget() == &fx->f())
                    table = w->size();
                return false;
            };
            fx->newGame();
            fx->act("HighScores")->trigger();
            fx->log.onOpen = {};
            QCOMPARE(banner, QSize(Px(zoom, 3615), Px(zoom, 1215)));
            QCOMPARE(bannerScale.time, kTestTimeScale);
            QCOMPARE(table, HighScoreFrm(fx->program.scores->table(), zoom).size());
        }
        QVERIFY(tables[0].width() > tables[1].width() && tables[0].height() > tables[1].height());
    }

    // The size is remembered under its own key, a step just before leaving included.
    void sizeIsRemembered()
    {
        BoardFixture{}.act("ZoomIn")->trigger();
        BoardFixture again; // the step just before leaving is kept
        QCOMPARE(again.f().boardSize().zoom(), 1.25);
        // A window made larger by hand takes the largest board that fits, centred.
        again.f().resize(again.f().width() * 3, again.f().height() * 2);
        QVERIFY(WaitFor([&] { return again.f().boardSize().zoom() >= 1.75; }));
        const double zoom = again.f().boardSize().zoom();
        const QSize spare = again.f().centralWidget()->size() - AreaFor(again.f().boardSize());
        const QRect field = BoardSize::TwipGeometry(again.find("FieldBox1"));
        QVERIFY(spare.width() > 0 || spare.height() > 0);
        QCOMPARE(again.find("FieldBox1")->pos(), QPoint(spare.width() / 2 + Px(zoom, field.x()), spare.height() / 2 + Px(zoom, field.y())));
    }

    // A start stores nothing, and the remembered size comes back exactly (2 once became 1.95,
    // 1.9, 1.85 at each start).
    void rememberedSizeSurvivesStarts()
    {
        for (const QString size : {"1.25", "2"}) {
            store("BoardSize", size);
            for (int start = 0; start < 3; ++start) {
                BoardFixture fx;
                QTest::qWait(50); // the window's own resizes come and go
                QCOMPARE(fx.f().boardSize().zoom(), size.toDouble());
                QCOMPARE(stored("BoardSize").toString(), size);
            }
        }
    }

    // Resizing by hand: the board follows, and the size is stored once, when the resizing has
    // settled (dragging the edge through 100 sizes once rewrote the settings file each time).
    void resizingStoresTheSizeOnceSettled()
    {
        BoardFixture fx;
        Form1& f = fx.f();
        const QSize start = f.size();
        for (int i = 1; i <= 40; ++i) {
            f.resize(start + QSize(8 * i, 8 * i));
            QCoreApplication::processEvents();
        }
        QVERIFY(!stored("BoardSize").isValid());
        QTRY_VERIFY(stored("BoardSize").isValid());
        QVERIFY(f.boardSize().zoom() > 1.0);
        QCOMPARE(stored("BoardSize").toDouble(), f.boardSize().zoom());
    }

    // The board is drawn with this window's preferences: values another running copy stored
    // since change neither the board nor the menus (a zoom once redrew in the other copy's style).
    void anotherCopysPreferencesChangeNothing()
    {
        BoardFixture fx;
        store("style", "2");
        store("ColorBar", "True");
        store("sound", "False");
        fx.act("ZoomIn")->trigger();
        PicFrm zoomed;
        zoomed.setZoom(1.25);
        QTRY_VERIFY(BoardFixture::samePicture(fx.guessHole(0, 0)->picture(), zoomed.stylePicture(1)));
        QVERIFY(fx.act("Swirl")->isChecked() && !fx.act("Stone")->isChecked());
        QVERIFY(!fx.find("ColorBox2")->isVisible());
        fx.newGame();
        fx.audio->effects.clear();
        fx.place(0, 1);
        QCOMPARE(fx.audio->effects, QStringList(2, "Change.wav"));
    }

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
            const int hidden = fx.f().boardSize().HeightTwips();
            for (const char* item : {"SoundOn", "MusicOn", "HideColorBar"})
                fx.act(item)->trigger();
            QVERIFY(!stored("sound").isValid() && !stored("music").isValid() && !stored("ColorBar").isValid());
            QCOMPARE(fx.f().boardSize().HeightTwips(), hidden);
            fx.act("SoundOff")->trigger();
            QCOMPARE(stored("sound").toString(), QString("False"));
            fx.act("MusicOff")->trigger();
            QCOMPARE(stored("music").toString(), QString("False"));
            fx.act("Ice")->trigger();
            QCOMPARE(stored("style").toString(), QString("3"));
            QVERIFY(fx.act("Ice")->isChecked() && !fx.act("Swirl")->isChecked());
            // The lower bar shows and hides at once (it once followed one step late).
            fx.act("ShowColorBar")->trigger();
            QCOMPARE(stored("ColorBar").toString(), QString("True"));
            QCOMPARE(fx.f().boardSize().HeightTwips(), hidden + 600);
            QVERIFY(fx.find("ColorBox2")->isVisible());
            fx.act("HideColorBar")->trigger();
            QVERIFY(!fx.find("ColorBox2")->isVisible());
            fx.act("ShowColorBar")->trigger();
            store("ColorBar", "keep");
            fx.act("ShowColorBar")->trigger(); // shown already: no change at all
            QCOMPARE(fx.f().boardSize().HeightTwips(), hidden + 600);
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
        QVERIFY(!fx.find<QMenu>("Style")->isEnabled());
        fx.missRow();
        fx.act("EndGame")->trigger();
        fx.settle();
        QVERIFY(fx.find<QMenu>("Style")->isEnabled());
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

    // Each keyboard step fits the window to the board at the new size, smaller as well as
    // larger, and Ctrl+0 gives the normal size at once (Ctrl++ then Ctrl+0 once left margins
    // around a normal board, and from 3x Ctrl+0 stopped at 1.1x).
    void keyboardStepsFitTheWindow_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<double>("zoom");
        QTest::newRow("in, normal") << "+0" << 1.0;
        QTest::newRow("in twice, out twice") << "++--" << 1.0;
        QTest::newRow("largest, normal") << "++++++++0" << 1.0;
        QTest::newRow("in, in, out") << "++-" << 1.25;
    }
    void keyboardStepsFitTheWindow()
    {
        QFETCH(QString, keys);
        QFETCH(double, zoom);
        BoardFixture fx;
        Form1& f = fx.f();
        f.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        const QSize normal = f.size();
        for (QChar key : keys)
            QTest::keyClick(&f, key == '+' ? Qt::Key_Plus : key == '-' ? Qt::Key_Minus : Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(f.boardSize().zoom(), zoom);
        // The window holds the board exactly: the same size as at the start, or the board grown.
        QTRY_COMPARE(f.centralWidget()->size(), AreaFor(f.boardSize()));
        if (zoom == 1.0)
            QCOMPARE(f.size(), normal);
        // Stored once settled; at the normal size nothing differs from what was stored.
        QTRY_COMPARE(stored("BoardSize").isValid() ? stored("BoardSize").toDouble() : 1.0, zoom);
    }

    // The largest size is the one that fits the screen's available area (3x once made a
    // window taller than the screen).
    void largestSizeFitsTheScreen()
    {
        BoardFixture fx;
        fx.f().OpenLevel(18);
        for (int i = 0; i < 10; ++i)
            fx.act("ZoomIn")->trigger();
        QVERIFY(fx.f().boardSize().zoom() > 1.0);
        const QSize frame = fx.f().frameGeometry().size();
        QVERIFY(fx.f().screen()->availableGeometry().size().expandedTo(frame) == fx.f().screen()->availableGeometry().size());
    }
};

QTEST_MAIN(BoardWindowTest)
#include "test_board_window.moc"

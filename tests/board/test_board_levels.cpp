// SPDX-License-Identifier: GPL-3.0-or-later
// The board at rest: start-up, the layout of every level, opening and announcing levels.
#include "BoardFixture.h"
#include "BoardLayout.h"
#include "LevelCatalogue.h"
#include "Twips.h"

#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QStatusBar>

using namespace tintrix;
using namespace tintrix::test;

class BoardLevelsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { PrepareTestEnvironment(); }
    void init() { ClearSettings(); }

    // The window first shows level 1 at rest: nothing drawn, nothing playing.
    void startUpShowsLevelOneAtRest()
    {
        BoardFixture fx;
        Form1& f = fx.f();
        QCOMPARE(f.windowTitle(), QString("Tintrix "));
        QCOMPARE(f.Panels[1]->text(), QString("Score = "));
        QCOMPARE(f.Panels[2]->text(), QString("Level 1"));
        QCOMPARE(f.Panels[3]->text(), QString("Duplicates = False"));
        QCOMPARE(f.Panels[2]->toolTip(), QString("The current level - there are 36"));
        QCOMPARE(f.Panels[3]->toolTip(), QString("TRUE means colors can be repeated"));
        QCOMPARE(f.Panels[1]->toolTip(), QString("This is your score"));
        QCOMPARE(f.Panels[4]->toolTip(), QString("This is the current selected color"));
        QVERIFY(!f.EndGame->isEnabled());
        QVERIFY(!f.Levels->menuAction()->isVisible() || f.menuBar()->actions().indexOf(f.Levels->menuAction()) < 0);
        QCOMPARE(fx.s().CurrentLevel, 1);
        QCOMPARE(fx.s().RowLimit, 7);
        QCOMPARE(fx.s().LastHoleIndex, 3);
        const QPixmap swirl = f.Pictures->stylePicture(1);
        for (int r = 0; r <= 7; ++r) {
            for (int j = 0; j <= 3; ++j) {
                QCOMPARE(fx.s().GuessPieces(r, j).Color, 0);
                QVERIFY(BoardFixture::samePicture(fx.guessHole(r, j)->picture(), swirl));
                QVERIFY(BoardFixture::samePicture(fx.clueHole(r, j)->picture(), swirl));
                QCOMPARE(fx.guessHole(r, j)->borderStyle(), ImageControl::Border::Single);
                QCOMPARE(fx.guessHole(r, j)->specialEffect(), ImageControl::Effect::Flat);
            }
        }
        for (const Piece& p : fx.s().MasterPieces)
            QCOMPARE(p.Color, 0); // no secret before New Game
        QVERIFY(fx.audio.fakeMidi.calls.isEmpty());
        QVERIFY(fx.audio.effects.isEmpty());
        // Both bars carry all eight colours in order.
        for (int i = 0; i < 8; ++i) {
            QVERIFY(BoardFixture::samePicture(f.ColSelect[std::size_t(i)]->picture(), f.Pictures->pegPicture(i + 1)));
            QVERIFY(BoardFixture::samePicture(f.ColSelect2[std::size_t(i)]->picture(), f.Pictures->pegPicture(i + 1)));
        }
        QCOMPARE(f.Undo1->toolTip(), QString(" Clear Row "));
        QCOMPARE(f.Redo2->toolTip(), QString(" Redo Last Row "));
        QCOMPARE(f.Image2->toolTip(), QString(" Test your selection "));
    }

    // The worked layouts, with the bar hidden and shown.
    void layoutExamples()
    {
        BoardFixture fx;
        Form1& f = fx.f();
        const int S = f.StatusBarHeightTwips();
        QCOMPARE(f.WidthTwips(), 4680);
        QCOMPARE(f.HeightTwips(), S + 4450);
        QCOMPARE(f.TwipGeometry(f.FieldBox1), QRect(600, 360, 1700, 3260));
        QCOMPARE(f.TwipGeometry(f.FieldBox2), QRect(2300, 360, 1580, 3260));
        QCOMPARE(f.TwipGeometry(f.ColorBox1), QRect(720, 120, 2285, 375));
        QCOMPARE(f.TwipGeometry(f.DoBox1).x(), 3155);

        f.OpenLevel(3);
        QCOMPARE(f.TwipGeometry(f.DoBox1).x(), 3455);
        QCOMPARE(f.TwipGeometry(f.DoBox2).x(), 3455);

        f.ShowColorBar_Click();
        f.OpenLevel(18);
        QCOMPARE(f.WidthTwips(), 5980);
        QCOMPARE(f.HeightTwips(), S + 6450);
        QCOMPARE(f.TwipGeometry(f.FieldBox1).height(), 4700);
        QCOMPARE(f.TwipGeometry(f.ColorBox2).y(), 5250);
        QCOMPARE(f.TwipGeometry(f.DoBox2).y(), 5250);
    }

    // Every catalogue row: the used holes, rows and colours are whole, the rest cut off.
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
            f.ShowColorBar_Click();
        f.OpenLevel(row);
        const LevelSpec& level = *FetchLevel(row);
        const int rows = level.RowLimit + 1;

        const QRect field1 = f.TwipGeometry(f.FieldBox1);
        const QRect field2 = f.TwipGeometry(f.FieldBox2);
        const QRect bar1 = f.TwipGeometry(f.ColorBox1);
        const QRect bar2 = f.TwipGeometry(f.ColorBox2);
        const QRect do1 = f.TwipGeometry(f.DoBox1);
        const QRect do2 = f.TwipGeometry(f.DoBox2);

        // Holes: the level's holes inside the fields (the last one may lose at most two pixels of
        // its edge, as the fields of the wider levels always did), the next one cut off with at
        // most 20 twips left.
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
        for (const QRect& bar : {bar1, bar2}) {
            QVERIFY(120 + 360 * (level.ColorCount - 1) + 345 <= bar.width());
            if (level.ColorCount < 8)
                QVERIFY(bar.width() - (120 + 360 * level.ColorCount) <= 20);
        }
        QCOMPARE(do1.x(), bar1.x() + bar1.width() + 150);
        QCOMPARE(do2.x(), bar2.x() + bar2.width() + 150);
        QCOMPARE(bar2.y(), do2.y());
        // FieldBox2 against FieldBox1's edge, or 1700 right of its left on 4-hole levels.
        QCOMPARE(field2.x(), field1.x() + (level.Holes == 4 ? 1700 : field1.width()));

        // The window: its height from the rows and the bar, and a board area that shows
        // everything used but not the lower bar when it is hidden.
        const int S = f.StatusBarHeightTwips();
        QCOMPARE(f.HeightTwips(), S + 350 * rows + 1650 + (barShown ? 600 : 0));
        const QSize area = f.centralWidget()->size();
        const int areaHeight = ToTwips(area.height());
        const int areaWidth = ToTwips(area.width());
        QVERIFY(areaHeight >= field1.y() + field1.height());
        QVERIFY(areaWidth >= field2.x() + field2.width());
        QVERIFY(areaWidth >= do1.x() + 735);
        if (barShown)
            QVERIFY(areaHeight >= bar2.y() + 375);
        else
            QVERIFY(areaHeight <= bar2.y());
    }

    // Showing the bar adds exactly 600 twips at once; the next level keeps it.
    void colourBarAddsSixHundredTwips()
    {
        BoardFixture fx;
        Form1& f = fx.f();
        const int hidden = f.HeightTwips();
        const int hiddenArea = f.centralWidget()->height();
        f.ShowColorBar_Click();
        QCOMPARE(f.HeightTwips(), hidden + 600);
        QCOMPARE(f.centralWidget()->height(), hiddenArea + 40);
        f.OpenLevel(1);
        QCOMPARE(f.HeightTwips(), hidden + 600);
        f.HideColorBar_Click();
        QCOMPARE(f.HeightTwips(), hidden);
    }

    // Opening a level replaces the pieces whole.
    void openLevelRecreatesThePieces()
    {
        BoardFixture fx;
        Form1& f = fx.f();
        f.OpenLevel(16);
        QCOMPARE(int(fx.s().MasterPieces.size()), 6);
        QCOMPARE(fx.s().GuessPieces.rows(), 12);
        f.OpenLevel(1);
        QCOMPARE(int(fx.s().MasterPieces.size()), 4);
        QCOMPARE(fx.s().GuessPieces.rows(), 8);
        QCOMPARE(fx.s().GuessPieces.holes(), 4);
        QCOMPARE(fx.s().CluePieces.rows(), 8);
        QCOMPARE(f.PegPictures.size(), 7); // colours 1..6
        // Pieces are bound to the holes of their row: row index 0 is Row12.
        QCOMPARE(fx.s().GuessPieces(0, 0).Hole, f.Row[12][0]);
        QCOMPARE(fx.s().GuessPieces(7, 3).Hole, f.Row[5][3]);
        QCOMPARE(fx.s().CluePieces(7, 3).Hole, f.Check[5][3]);
        QCOMPARE(f.Row[3][0]->objectName(), QString("row3_0"));
        // An unknown row changes nothing.
        const int level = fx.s().CurrentLevel;
        f.OpenLevel(19);
        f.OpenLevel(0);
        QCOMPARE(fx.s().CurrentLevel, level);
    }

    // After level 18 the catalogue starts again; after 36 nothing follows.
    void nextLevelAnnouncesAndWraps()
    {
        BoardFixture fx;
        Form1& f = fx.f();
        for (int row = 2; row <= 18; ++row)
            f.OpenLevel(row);
        QCOMPARE(fx.s().CurrentLevel, 18);
        f.NextLevel();
        QCOMPARE(fx.log.seen.last(), QString("banner:LEVEL 19/4 SPACES, 6 COLORS, NO DUPLICATES"));
        QCOMPARE(fx.s().CurrentLevel, 19);
        QCOMPARE(fx.s().LastHoleIndex, 3);
        QCOMPARE(fx.s().RowLimit, 7);
        QCOMPARE(f.Panels[2]->text(), QString("Level 19"));
        for (int level = 20; level <= 35; ++level)
            f.OpenLevel(level - 18);
        f.NextLevel();
        QCOMPARE(fx.log.seen.last(), QString("banner:LEVEL 36/6 SPACES, 8 COLORS, DUPLICATES"));
        QCOMPARE(fx.s().CurrentLevel, 36);
        const int banners = int(fx.log.seen.size());
        f.NextLevel();
        QCOMPARE(int(fx.log.seen.size()), banners);
        QCOMPARE(fx.s().CurrentLevel, 36);
        QCOMPARE(fx.s().GuessPieces.rows(), 12);
        QCOMPARE(f.Panels[2]->text(), QString("Level 36"));
    }

    // The hidden Level menu carries the eighteen commands with their captions.
    void levelMenuHoldsTheCatalogue()
    {
        BoardFixture fx;
        const QList<QAction*> items = fx.f().Levels->actions();
        QCOMPARE(items.size(), 18);
        QCOMPARE(items[0]->text(), QString("Level 1  -  4 spaces  6 colors  no dupliactes"));
        QCOMPARE(items[9]->objectName(), QString("level10"));
        QCOMPARE(items[16]->text(), QString("Level 17 - 6 spaces  7 colors  duplaictes"));
        items[4]->trigger();
        QCOMPARE(fx.s().ColorCount, 7);
        QVERIFY(fx.s().DuplicatesAllowed);
        QCOMPARE(fx.f().Panels[3]->text(), QString("Duplicates = True"));
    }
};

QTEST_MAIN(BoardLevelsTest)
#include "test_board_levels.moc"

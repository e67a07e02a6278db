// SPDX-License-Identifier: GPL-3.0-or-later
// Filling rows with the mouse: colour bars, holes, undo and redo, through real clicks.
#include "BoardFixture.h"

#include <QSignalSpy>

using namespace tintrix;
using namespace tintrix::test;

namespace {

void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }

/** Clicks the players way: colour bar entry, then hole, for a whole row. */
void clickRow(BoardFixture& fx, const std::vector<int>& colours, bool lowerBar = false)
{
    Form1& f = fx.f();
    for (std::size_t j = 0; j < colours.size(); ++j) {
        auto& bar = lowerBar ? f.ColSelect2 : f.ColSelect;
        click(bar[std::size_t(colours[j] - 1)]);
        click(fx.guessHole(fx.s().CurrentRow, int(j)));
    }
}

bool panelEmpty(Form1& f) { return f.Panels[4]->pixmap().isNull(); }

} // namespace

class InputTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { PrepareTestEnvironment(); }
    void init() { ClearSettings(); }

    // Before New Game the board takes no clicks.
    void idleBoardIgnoresClicks()
    {
        BoardFixture fx;
        click(fx.f().ColSelect[0]);
        click(fx.guessHole(0, 0));
        click(fx.f().Image2);
        QVERIFY(!fx.s().ColorInHand);
        QCOMPARE(fx.s().GuessPieces(0, 0).Color, 0);
        QVERIFY(fx.audio.effects.isEmpty());
        QVERIFY(fx.log.seen.isEmpty());
    }

    // Pick then place: the peg shows raised, the panel empties, and the next click copies instead.
    void pickThenPlace()
    {
        BoardFixture fx;
        Form1& f = fx.f();
        fx.newGame();
        click(f.ColSelect[2]);
        QVERIFY(fx.s().ColorInHand);
        QVERIFY(!panelEmpty(f));
        click(fx.guessHole(0, 1));
        QCOMPARE(fx.s().GuessPieces(0, 1).Color, 3);
        QCOMPARE(fx.guessHole(0, 1)->specialEffect(), ImageControl::Effect::Raised);
        QCOMPARE(fx.guessHole(0, 1)->borderStyle(), ImageControl::Border::None);
        QVERIFY(BoardFixture::samePicture(fx.guessHole(0, 1)->picture(), f.Pictures->pegPicture(3)));
        QVERIFY(panelEmpty(f));
        QVERIFY(!fx.s().ColorInHand);
        QCOMPARE(fx.audio.effects, (QStringList{"Change.wav", "Change.wav"}));
        // Nothing in hand on the first row: there is no row above to copy from.
        click(fx.guessHole(0, 2));
        QCOMPARE(fx.s().GuessPieces(0, 2).Color, 0);
        QCOMPARE(fx.audio.effects.size(), 2);
    }

    // The lower bar picks alike but leaves panel 4 as it was.
    void lowerBarLeavesThePanelAlone()
    {
        BoardFixture fx;
        Form1& f = fx.f();
        f.ShowColorBar_Click();
        fx.newGame();
        click(f.ColSelect2[4]);
        QVERIFY(panelEmpty(f));
        click(fx.guessHole(0, 0));
        QCOMPARE(fx.s().GuessPieces(0, 0).Color, 5);
        click(f.ColSelect[1]);
        const QImage shown = f.Panels[4]->pixmap().toImage();
        click(f.ColSelect2[3]); // replaces the colour in hand, not the panel
        QCOMPARE(f.Panels[4]->pixmap().toImage(), shown);
        click(fx.guessHole(0, 1));
        QCOMPARE(fx.s().GuessPieces(0, 1).Color, 4);
        QCOMPARE(fx.audio.effects.count("Change.wav"), 5);
    }

    // Clicks that must change nothing: other rows, holes and colours beyond the level's.
    void clicksOutsideThePlayDoNothing()
    {
        BoardFixture fx;
        Form1& f = fx.f();
        fx.newGame();
        click(f.ColSelect[6]); // colour 7 is not played on level 1
        click(f.ColSelect2[7]);
        QVERIFY(!fx.s().ColorInHand);
        click(f.ColSelect[0]);
        click(fx.guessHole(1, 0)); // next row
        click(fx.guessHole(0, 4)); // beyond the four holes
        click(fx.guessHole(0, 5));
        QVERIFY(fx.s().ColorInHand);
        for (int r = 0; r < 2; ++r)
            for (int j = 0; j < 4; ++j)
                QCOMPARE(fx.s().GuessPieces(r, j).Color, 0);
        QCOMPARE(fx.audio.effects.size(), 1);
    }

    // Picking twice before placing places the second colour; a placed peg can be overwritten.
    void secondPickWinsAndPegsOverwrite()
    {
        BoardFixture fx;
        Form1& f = fx.f();
        fx.newGame();
        click(f.ColSelect[0]);
        click(f.ColSelect[5]);
        click(fx.guessHole(0, 3));
        QCOMPARE(fx.s().GuessPieces(0, 3).Color, 6);
        click(f.ColSelect[1]);
        click(fx.guessHole(0, 3));
        QCOMPARE(fx.s().GuessPieces(0, 3).Color, 2);
    }

    // A later row copies the hole above with nothing in hand, over a different peg too.
    void copyFromTheRowAbove()
    {
        BoardFixture fx;
        Form1& f = fx.f();
        fx.newGame();
        const std::vector<int> first = fx.miss();
        clickRow(fx, first);
        click(f.Image2);
        QCOMPARE(fx.s().CurrentRow, 1);
        click(f.ColSelect[(first[2] % 6)]); // another colour into hole 2
        click(fx.guessHole(1, 2));
        fx.audio.effects.clear();
        click(fx.guessHole(1, 0));
        click(fx.guessHole(1, 2));
        QCOMPARE(fx.s().GuessPieces(1, 0).Color, first[0]);
        QCOMPARE(fx.s().GuessPieces(1, 2).Color, first[2]);
        QCOMPARE(fx.guessHole(1, 2)->specialEffect(), ImageControl::Effect::Raised);
        QVERIFY(BoardFixture::samePicture(fx.guessHole(1, 0)->picture(), f.Pictures->pegPicture(first[0])));
        QCOMPARE(fx.audio.effects, (QStringList{"Change.wav", "Change.wav"}));
        // Previous row untouched; rows already checked take no clicks.
        click(fx.guessHole(0, 0));
        QCOMPARE(fx.s().GuessPieces(0, 0).Color, first[0]);
    }

    // Undo and redo work on whole rows, never on the first one.
    void undoAndRedo()
    {
        BoardFixture fx;
        Form1& f = fx.f();
        fx.newGame();
        click(f.ColSelect[0]);
        click(fx.guessHole(0, 0));
        fx.audio.effects.clear();
        for (ImageControl* b : {f.Undo1, f.Redo1, f.Undo2, f.Redo2})
            click(b);
        QCOMPARE(fx.s().GuessPieces(0, 0).Color, 1); // first row: nothing happens
        QVERIFY(fx.audio.effects.isEmpty());

        const std::vector<int> first = fx.miss();
        fx.fill(first);
        fx.check();
        // Undo on an empty row: only the sound.
        fx.audio.effects.clear();
        click(f.Undo1);
        QCOMPARE(fx.audio.effects, QStringList{"redo.wav"});
        // Redo copies the row above over placed pegs.
        click(f.ColSelect[(first[1] % 6)]);
        click(fx.guessHole(1, 1));
        click(f.Redo2);
        for (int j = 0; j < 4; ++j) {
            QCOMPARE(fx.s().GuessPieces(1, j).Color, first[std::size_t(j)]);
            QCOMPARE(fx.guessHole(1, j)->specialEffect(), ImageControl::Effect::Raised);
        }
        fx.audio.effects.clear();
        click(f.Redo1);
        QCOMPARE(fx.audio.effects, QStringList{"redo.wav"});
        // Undo empties every hole back to the style picture with a border; redo refills.
        click(f.Undo2);
        for (int j = 0; j < 4; ++j) {
            QCOMPARE(fx.s().GuessPieces(1, j).Color, 0);
            QCOMPARE(fx.guessHole(1, j)->borderStyle(), ImageControl::Border::Single);
            QVERIFY(BoardFixture::samePicture(fx.guessHole(1, j)->picture(), f.StylePicture));
        }
        click(f.Redo1);
        QCOMPARE(ColorsOf(fx.s().GuessPieces.row(1)), first);
        // A colour in hand stays in hand across undo and redo, with its panel picture.
        click(f.ColSelect[3]);
        const QImage shown = f.Panels[4]->pixmap().toImage();
        click(f.Undo1);
        click(f.Redo1);
        QVERIFY(fx.s().ColorInHand);
        QCOMPARE(fx.s().SelectedColor, 3);
        QCOMPARE(f.Panels[4]->pixmap().toImage(), shown);
    }

    // Pressing shows a sunken button; releasing raises it again.
    void pressedLooks()
    {
        BoardFixture fx;
        Form1& f = fx.f();
        fx.newGame();
        for (ImageControl* b : {f.ColSelect[2], f.ColSelect2[0], f.Undo1, f.Redo2}) {
            QTest::mousePress(b, Qt::LeftButton);
            QCOMPARE(b->specialEffect(), ImageControl::Effect::Sunken);
            QTest::mouseRelease(b, Qt::LeftButton);
            QCOMPARE(b->specialEffect(), ImageControl::Effect::Raised);
        }
    }

    // A colour picked at the end of one game is still in hand at the start of the next.
    void colourInHandSurvivesGames()
    {
        BoardFixture fx;
        Form1& f = fx.f();
        fx.newGame();
        click(f.ColSelect[4]);
        f.EndGame->trigger();
        fx.newGame();
        QVERIFY(fx.s().ColorInHand);
        click(fx.guessHole(0, 0));
        QCOMPARE(fx.s().GuessPieces(0, 0).Color, 5);
    }

    // Whole levels by clicks alone: one lost, then one won and the next begun.
    void levelsPlayedByClicks()
    {
        BoardFixture fx;
        Form1& f = fx.f();
        QSignalSpy ended(&f, &Form1::gameEnded);
        fx.newGame();
        for (int row = 0; row < 8; ++row) {
            clickRow(fx, fx.miss());
            click(f.Image2);
        }
        QCOMPARE(ended.count(), 1);

        fx.newGame();
        fx.audio.effects.clear();
        clickRow(fx, fx.secret());
        click(f.Image2);
        QCOMPARE(fx.s().CurrentLevel, 2);
        QCOMPARE(fx.audio.effects, (QStringList{"Change.wav", "Change.wav", "Change.wav", "Change.wav", "Change.wav",
                                                "Change.wav", "Change.wav", "Change.wav", "DropPeg.wav", "DropPeg.wav",
                                                "DropPeg.wav", "DropPeg.wav", "Gling.wav"}));
        fx.audio.effects.clear();
        clickRow(fx, fx.secret(), false);
        click(f.Image2);
        QCOMPARE(fx.s().CurrentLevel, 3);
        QCOMPARE(fx.s().Score, 425 + 500 + 7 * 50);
        QCOMPARE(fx.audio.effects.count("DropPeg.wav"), 4);
        QCOMPARE(fx.audio.effects.last(), QString("Gling.wav"));
    }
};

QTEST_MAIN(InputTest)
#include "test_input.moc"

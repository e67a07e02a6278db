// SPDX-License-Identifier: GPL-3.0-or-later
// Playing through the board window: clicks, drags and keys, the falling pegs, winning, losing,
// the tournament, commands that arrive while the pegs drop, and what screen readers are given:
// roles and states, the focus that follows the keyboard's cursor, the results spoken with it.
#include "BoardFixture.h"
#include "Describe.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>

using namespace tintrix;
using namespace tintrix::test;

namespace {
QAccessibleInterface* Acc(QWidget* w) { return QAccessible::queryAccessibleInterface(w); }
} // namespace

class BoardPlayTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { PrepareTestEnvironment(); }
    void init() { ClearSettings(); }

    // Pick and place, copy from above, undo and redo: what the holes, panel and speaker show.
    void fillingRowsByClicks()
    {
        BoardFixture fx;
        fx.newGame();
        fx.audio->effects.clear();

        fx.click(fx.bar(3));
        QVERIFY(!fx.panel(4)->pixmap().isNull());
        fx.click(fx.guessHole(0, 2));
        QVERIFY(fx.samePicture(fx.guessHole(0, 2)->picture(), fx.pictures.pegPicture(3)));
        QCOMPARE(fx.guessHole(0, 2)->specialEffect(), ImageControl::Effect::Raised);
        QVERIFY(fx.panel(4)->pixmap().isNull());
        QCOMPARE(fx.audio->effects, QStringList(2, "Change.wav"));
        // The lower bar picks alike but leaves the panel alone.
        fx.click(fx.img("ColSelect2_4"));
        QCOMPARE(fx.s().SelectedColor, 4);
        QVERIFY(fx.panel(4)->pixmap().isNull());

        fx.missRow();
        const std::vector<int> above = ColorsOf(fx.s().GuessPieces.row(0));
        fx.click(fx.guessHole(1, 1)); // nothing in hand: the hole above is copied
        QCOMPARE(fx.s().GuessPieces(1, 1).Color, above[1]);
        fx.audio->effects.clear();
        fx.click(fx.img("Redo2"));
        QCOMPARE(ColorsOf(fx.s().GuessPieces.row(1)), above);
        fx.click(fx.img("Undo1"));
        for (int j = 0; j < 4; ++j) {
            QVERIFY(fx.samePicture(fx.guessHole(1, j)->picture(), fx.pictures.stylePicture(1)));
            QCOMPARE(fx.guessHole(1, j)->borderStyle(), ImageControl::Border::Single);
        }
        QCOMPARE(fx.audio->effects, QStringList(2, "redo.wav"));

        // The same by keyboard: Ctrl+Y repeats the row above, Ctrl+Z clears the row.
        fx.f().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&fx.f()));
        QTest::keyClick(fx.f().focusWidget(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(ColorsOf(fx.s().GuessPieces.row(1)), above);
        QTest::keyClick(fx.f().focusWidget(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(ColorsOf(fx.s().GuessPieces.row(1)), std::vector<int>(4, 0));
        QCOMPARE(fx.audio->effects, QStringList(4, "redo.wav"));
    }

    // The check returns at once; the pegs follow one per tick, the button moves down after.
    // Meanwhile the holes, bars, undo, redo and check do nothing (a click on Clear Row once
    // emptied the row being checked).
    void pegsDropOnTheTimer()
    {
        BoardFixture fx;
        fx.newGame();
        fx.place(0, 1);
        fx.click(fx.checkButton());
        QCOMPARE(fx.log.seen.last(), QString("message:First fill the current row."));
        fx.missRow();
        std::vector<int> guess = fx.secret();
        std::swap(guess[0], guess[1]); // two black, two grey
        fx.fill(guess);
        fx.audio->effects.clear();
        fx.f().Image2_Click();
        QCOMPARE(fx.game().phase(), Phase::Checking);
        QVERIFY(fx.samePicture(fx.clueHole(1, 0)->picture(), fx.pictures.stylePicture(1)));
        QVERIFY(!fx.checkButton()->isEnabled());
        fx.f().Undo1_Click();
        fx.f().Redo2_Click();
        fx.f().ColSelect_Click(0);
        fx.f().Row_Click(1, 0);
        fx.f().Image2_Click();
        fx.click(fx.img("Undo1"));
        fx.click(fx.guessHole(1, 3));
        QTest::keyClick(&fx.f(), Qt::Key_Z, Qt::ControlModifier);
        fx.settle();
        QCOMPARE(ColorsOf(fx.s().GuessPieces.row(1)), guess);
        QVERIFY(!fx.s().ColorInHand);
        QCOMPARE(fx.audio->effects, QStringList(4, "DropPeg.wav"));
        for (int j = 0; j < 4; ++j) {
            QVERIFY(fx.samePicture(fx.guessHole(1, j)->picture(), fx.pictures.pegPicture(guess[std::size_t(j)])));
            QVERIFY(fx.samePicture(fx.clueHole(1, j)->picture(), fx.pictures.picture(j < 2 ? "imgBlack" : "imgGrey")));
            QCOMPARE(fx.clueHole(1, j)->specialEffect(), ImageControl::Effect::Raised);
        }
        QCOMPARE(BoardSize::TwipGeometry(fx.checkButton()).y(), 1440);
        QVERIFY(fx.checkButton()->isEnabled());
    }

    // Eight misses end the game: the banner, with the last row's news and the secret given to
    // screen readers as it opens; the reveal of the secret in pictures and words; music
    // stopped; the board idle.
    void lossEndsTheGame()
    {
        BoardFixture fx;
        QSignalSpy ended(&fx.f(), &Form1::gameEnded);
        fx.newGame();
        const std::vector<int> secret = fx.secret();
        QCOMPARE(secret, (std::vector<int>{6, 2, 3, 5})); // the fixture's fixed random source
        const QString words = "light blue, blue, purple, orange";
        QString heard;
        fx.log.onOpen = [&](QWidget* w) {
            if (qobject_cast<LevelFrm*>(w))
                heard = fx.spoken(fx.f().focusWidget()) + " / " + fx.spoken(w) + " / " +
                        fx.spoken(w, QAccessible::Description);
            return false;
        };
        for (int row = 0; row < 8; ++row)
            fx.missRow();
        QCOMPARE(fx.log.seen.mid(1), (QStringList{"banner:SORRY!/GAME OVER", "reveal"})); // score 0: no name
        QVERIFY2(heard.startsWith("Row 8: ") &&
                     heard.endsWith(" No rows left: the level is lost. The secret was " + words + ". / SORRY! / GAME OVER"),
                 qPrintable(heard));
        QCOMPARE(fx.audio->fakeMidi.calls.last(), QString("stop"));
        QCOMPARE(ended.count(), 1);
        QVERIFY(!fx.act("EndGame")->isEnabled());
        QVERIFY(fx.find<QMenu>("Style")->isEnabled());
        QVERIFY(!fx.guessHole(0, 0)->isEnabled());
        auto* reveal = fx.f().findChild<Masterfrm*>();
        QCOMPARE(fx.spoken(reveal), "Correct combination: " + words);
        QCOMPARE(fx.f().focusWidget(), fx.f().centralWidget()); // the idle board's name, not the loss, again
        for (int j = 0; j < 6; ++j)
            QVERIFY(fx.samePicture(reveal->Image1[std::size_t(j)]->picture(),
                                   j < 4 ? fx.pictures.pegPicture(secret[std::size_t(j)]) : fx.pictures.picture("imgX")));
    }

    // A first-row win: the chime, 425 points, the next level; End Game then offers the score.
    void winThenGiveUp()
    {
        BoardFixture fx;
        QSignalSpy ended(&fx.f(), &Form1::gameEnded);
        fx.newGame();
        fx.audio->effects.clear();
        fx.win();
        QCOMPARE(fx.audio->effects.last(), QString("Gling.wav"));
        QCOMPARE(fx.panel(1)->text(), QString("score: 425"));
        QCOMPARE(fx.log.seen.last(), QString("banner:LEVEL 2/4 SPACES, 7 COLORS, NO DUPLICATES"));
        QCOMPARE(BoardSize::TwipGeometry(fx.checkButton()).y(), 720);
        QCOMPARE(fx.panel(2)->text(), QString("Level 2"));
        fx.act("EndGame")->trigger();
        fx.settle();
        QCOMPARE(fx.log.seen.mid(2), (QStringList{"banner:SORRY!/GAME OVER", "reveal", "name"}));
        QCOMPARE(ended.takeFirst(), (QVariantList{425, 2}));
        // The name as entered, upper-cased, with the score and the level reached.
        QFile table(QDir(fx.folder.path()).filePath("Hsl.hsl"));
        QVERIFY(table.open(QIODevice::ReadOnly));
        QCOMPARE(table.readAll(), QByteArray("TESTER\r\n 425 \r\n 2 \r\n"));
    }

    // New Game or End Game chosen while a winning row's pegs drop: the win counts, then the
    // command runs before any next level is announced.
    void commandsDuringAWinningCheck_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QStringList>("windows");
        QTest::addRow("end game") << "EndGame" << QStringList{"banner:SORRY!/GAME OVER", "reveal", "name"};
        QTest::addRow("new game") << "Tournament" << QStringList{"banner:LEVEL 1/4 SPACES, 6 COLORS, NO DUPLICATES"};
    }
    void commandsDuringAWinningCheck()
    {
        QFETCH(QString, command);
        QFETCH(QStringList, windows);
        BoardFixture fx;
        QSignalSpy ended(&fx.f(), &Form1::gameEnded);
        fx.newGame();
        const std::vector<int> secret = fx.secret();
        fx.fill(secret);
        fx.f().Image2_Click();
        fx.find<QAction>(command)->trigger();
        QCOMPARE(fx.game().phase(), Phase::Checking); // waits for the pegs
        fx.settle();
        QCOMPARE(fx.log.seen.mid(1), windows);
        if (command == "EndGame") {
            QCOMPARE(ended.takeFirst(), (QVariantList{425, 1}));
            QCOMPARE(fx.secret(), secret); // the reveal showed the level just won
        } else {
            QCOMPARE(fx.s().CurrentLevel, 1);
            QCOMPARE(fx.panel(1)->text(), QString("Score: 000"));
        }
    }

    // Leaving while the game-over banner, the reveal window or the name prompt is open ends
    // everything there: no further window, no music stop, no high score written.
    void exitDuringTheEnding_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addRow("banner") << "banner:SORRY!/GAME OVER";
        QTest::addRow("reveal") << "reveal";
        QTest::addRow("name prompt") << "name";
    }
    void exitDuringTheEnding()
    {
        QFETCH(QString, window);
        BoardFixture fx;
        QSignalSpy ended(&fx.f(), &Form1::gameEnded);
        QSignalSpy exit(&fx.f(), &Form1::exitConfirmed);
        // As the program does: leaving ends every event loop, the modal ones included.
        QObject::connect(&fx.f(), &Form1::exitConfirmed, qApp, [] { QApplication::exit(0); });
        fx.newGame();
        fx.win();
        fx.log.exitAnswerYes = true;
        QPointer<QWidget> open;
        fx.log.onOpen = [&](QWidget* w) {
            if (open || fx.log.seen.last() != window)
                return false;
            open = w;
            QTimer::singleShot(0, &fx.f(), &QWidget::close); // as logging off does
            return true;
        };
        fx.act("EndGame")->trigger();
        QVERIFY(WaitFor([&] { return exit.count() == 1; }));
        if (auto* reveal = qobject_cast<Masterfrm*>(open.data()))
            reveal->Command1->click();
        QTest::qWait(300); // the banner's time runs out meanwhile
        const QStringList after = fx.log.seen.mid(fx.log.seen.indexOf("exit") + 1);
        QVERIFY2(!after.contains("reveal") && !after.contains("name"), qPrintable(fx.log.seen.join(", ")));
        QCOMPARE(ended.count(), window == "name" ? 1 : 0);
        QCOMPARE(fx.audio->fakeMidi.calls.contains("stop"), window == "name");
        // Qt keeps every later loop from running until the application's own loop has run.
        QTimer::singleShot(0, qApp, [] { QApplication::exit(0); });
        QApplication::exec();
        QVERIFY(!QFile::exists(QDir(fx.folder.path()).filePath("Hsl.hsl")));
    }

    // Dragging with the mouse: a colour from a bar is a pick and a click, a peg of the current
    // row moves, a peg of the row above is copied; anywhere else nothing. Before New Game the
    // board takes neither drags nor clicks.
    void dragAndDrop()
    {
        BoardFixture fx;
        fx.drag(fx.bar(2), fx.guessHole(0, 0));
        fx.place(1, 1);
        fx.click(fx.checkButton());
        QCOMPARE(ColorsOf(fx.s().GuessPieces.row(0)), std::vector<int>(4, 0)); // no game yet
        QVERIFY(fx.log.seen.isEmpty() && fx.audio->effects.isEmpty());
        fx.newGame();
        fx.audio->effects.clear();
        fx.drag(fx.img("ColSelect2_2"), fx.guessHole(0, 1));
        QCOMPARE(fx.s().GuessPieces(0, 1).Color, 3);
        QVERIFY(!fx.s().ColorInHand);
        QCOMPARE(fx.audio->effects, QStringList(2, "Change.wav"));
        QVERIFY(fx.samePicture(fx.guessHole(0, 1)->picture(), fx.pictures.pegPicture(3)));
        QVERIFY(!fx.find("DraggedPeg")->isVisible());

        fx.drag(fx.guessHole(0, 1), fx.guessHole(0, 3)); // a move
        QCOMPARE(ColorsOf(fx.s().GuessPieces.row(0)), (std::vector<int>{0, 0, 0, 3}));
        QVERIFY(fx.samePicture(fx.guessHole(0, 1)->picture(), fx.pictures.stylePicture(1)));
        fx.drag(fx.guessHole(0, 3), fx.img("Undo1")); // dropped beside the row
        fx.drag(fx.bar(1), fx.guessHole(1, 0));       // onto a later row
        fx.drag(fx.guessHole(0, 0), fx.guessHole(0, 2)); // an empty hole drags nothing
        QCOMPARE(ColorsOf(fx.s().GuessPieces.row(0)), (std::vector<int>{0, 0, 0, 3}));

        fx.fill(fx.miss());
        fx.check();
        const std::vector<int> above = ColorsOf(fx.s().GuessPieces.row(0));
        fx.drag(fx.guessHole(0, 2), fx.guessHole(1, 0)); // a copy from the row above
        QCOMPARE(fx.s().GuessPieces(1, 0).Color, above[2]);
        QCOMPARE(fx.s().GuessPieces(0, 2).Color, above[2]);
        fx.drag(fx.guessHole(1, 0), fx.guessHole(0, 1)); // never back up into a checked row
        QCOMPARE(ColorsOf(fx.s().GuessPieces.row(0)), above);
    }

    // A drag ends, drawn nowhere, when play stops or a window opens over the board, with the
    // button still down; the entry comes back up and the next click on it works (the dragged
    // peg once stayed painted into the next level, the entry sunken, the next click swallowed).
    void dragEndsWhenPlayStops_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addRow("new game") << "Tournament";
        QTest::addRow("end game") << "EndGame";
        QTest::addRow("high scores") << "HighScores";
        QTest::addRow("check") << "check";
    }
    void dragEndsWhenPlayStops()
    {
        QFETCH(QString, command);
        BoardFixture fx;
        fx.newGame();
        if (command == "check")
            fx.fill(fx.miss());
        ImageControl* entry = fx.bar(2);
        QWidget* peg = fx.find("DraggedPeg");
        QTest::mousePress(entry, Qt::LeftButton, {}, entry->rect().center());
        QTest::mouseMove(entry, entry->rect().center() + QPoint(10, 0));
        QVERIFY(peg->isVisible());
        // Drawn centred under the pointer.
        QCOMPARE(peg->mapToGlobal(QPoint(peg->width() / 2, peg->height() / 2)), entry->mapToGlobal(entry->rect().center() + QPoint(10, 0)));
        QCOMPARE(entry->specialEffect(), ImageControl::Effect::Sunken);
        bool pegDuringWindow = false;
        fx.log.onOpen = [&](QWidget*) { return pegDuringWindow = peg->isVisible(), false; };
        if (command == "check")
            QTest::keyClick(fx.f().focusWidget(), Qt::Key_Return);
        else
            fx.act(qPrintable(command))->trigger();
        fx.settle();
        QVERIFY(!pegDuringWindow && !peg->isVisible());
        QCOMPARE(entry->specialEffect(), ImageControl::Effect::Raised);
        QTest::mouseRelease(entry, Qt::LeftButton, {}, entry->rect().center() + QPoint(10, 0));
        if (fx.game().phase() != Phase::Playing)
            fx.newGame();
        fx.click(entry);
        QVERIFY(fx.s().ColorInHand);
        QCOMPARE(fx.s().SelectedColor, 1);
    }

    // All 36 levels: older feedback turns into X marks from level 19 on; the last win ends the
    // tournament with its final score and no new level.
    void wholeTournament()
    {
        BoardFixture fx;
        QSignalSpy ended(&fx.f(), &Form1::gameEnded);
        fx.newGame();
        // X marks in a row's feedback: only the newest checked row keeps black and grey pegs.
        const QPixmap x = fx.pictures.picture("imgX");
        auto xMarks = [&](int row) {
            int n = 0;
            for (int j = 0; j < 6; ++j)
                n += fx.samePicture(fx.clueHole(row, j)->picture(), x);
            return n;
        };
        for (int level = 1; level < 36; ++level) {
            if (level == 19) {
                fx.missRow();
                fx.missRow();
                fx.missRow();
                QVERIFY(xMarks(0) > 0 && xMarks(1) > 0 && xMarks(2) == 0);
                QVERIFY2(fx.spoken(fx.f().focusWidget()).contains(". The feedback of rows 1 to 2 is hidden. Row 4, hole 1,"),
                         qPrintable(fx.spoken(fx.f().focusWidget())));
            }
            fx.win();
        }
        QCOMPARE(fx.s().CurrentLevel, 36);
        QTest::keyClick(fx.f().focusWidget(), Qt::Key_8); // the eighth colour has a key too
        QCOMPARE(fx.s().GuessPieces(0, 0).Color, 8);
        fx.missRow();
        fx.missRow();
        QVERIFY(xMarks(0) > 0 && xMarks(1) == 0);
        QVERIFY2(fx.spoken(fx.f().focusWidget()).contains(". The feedback of row 1 is hidden. Row 3, hole 1,"),
                 qPrintable(fx.spoken(fx.f().focusWidget())));
        fx.win();
        QCOMPARE(fx.log.seen.mid(fx.log.seen.size() - 2),
                 (QStringList{"banner:CONGRATULATIONS!/ALL 36 LEVELS SOLVED", "name"}));
        // First-row wins everywhere give 311,850; level 19 won on its fourth row gives
        // 3 * 19 * 25 less, level 36 on its third 2 * 36 * 25 less.
        QCOMPARE(ended.size(), 1);
        QCOMPARE(ended[0], (QVariantList{311850 - 1425 - 1800, 36}));
        QCOMPARE(fx.game().phase(), Phase::Idle);
    }

    // What each control is and does: buttons that press, pictures, the colour in hand checked,
    // everything unavailable while a check runs; the mouse alone never shows the cursor frame.
    void rolesAndStates()
    {
        BoardFixture fx;
        fx.newGame();
        QCOMPARE(Acc(fx.guessHole(0, 0))->role(), QAccessible::Button);
        QCOMPARE(Acc(fx.bar(1))->role(), QAccessible::Button);
        QCOMPARE(Acc(fx.checkButton())->role(), QAccessible::Button);
        QCOMPARE(Acc(fx.clueHole(0, 0))->role(), QAccessible::Graphic);
        QCOMPARE(Acc(fx.panel(2))->role(), QAccessible::StatusBar);
        QVERIFY(Acc(fx.guessHole(0, 2))->state().focusable);
        QVERIFY(!Acc(fx.guessHole(1, 2))->state().focusable);

        fx.click(fx.bar(3));
        QVERIFY(Acc(fx.bar(3))->state().checked);
        QVERIFY(!Acc(fx.bar(2))->state().checked);
        QCOMPARE(fx.spoken(fx.panel(4)), QString("Colour in hand: purple"));
        // The press action is a click.
        Acc(fx.guessHole(0, 1))->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(fx.s().GuessPieces(0, 1).Color, 3);
        QCOMPARE(fx.spoken(fx.guessHole(0, 1)), QString("Row 1, hole 2, purple peg"));
        QVERIFY(!Acc(fx.bar(3))->state().checked);

        fx.fill(fx.miss());
        for (int i = 0; i < 4; ++i)
            QVERIFY(!fx.guessHole(0, i)->cursorMark());
        fx.click(fx.checkButton());
        QCOMPARE(fx.game().phase(), Phase::Checking);
        QVERIFY(Acc(fx.guessHole(0, 0))->state().disabled);
        QVERIFY(Acc(fx.checkButton())->state().disabled);
        fx.settle();
        QVERIFY(!fx.guessHole(1, 0)->cursorMark());
        QTest::keyClick(fx.f().focusWidget(), Qt::Key_Right);
        QVERIFY(fx.guessHole(1, 1)->cursorMark());
    }

    // Keys go to the focused hole and on to the board; the focus follows the cursor and each
    // step's news rides on the object it lands on: the placed peg, the full row on the check
    // button, the check's feedback, the win in the status bar.
    void focusSpeaksPlay()
    {
        BoardFixture fx;
        QCOMPARE(fx.spoken(fx.f().centralWidget()), QString("Tintrix board, no game running. Control+N starts a new game."));
        fx.newGame();
        auto key = [&](Qt::Key k) { QTest::keyClick(fx.f().focusWidget(), k); };
        auto focused = [&] { return fx.spoken(fx.f().focusWidget()); };
        QCOMPARE(fx.f().focusWidget(), fx.guessHole(0, 0));
        QCOMPARE(focused(), QString("Row 1, hole 1, empty"));
        key(Qt::Key_End);
        QCOMPARE(fx.f().focusWidget(), fx.guessHole(0, 3));
        key(Qt::Key_Home);

        const std::vector<int> miss = fx.miss();
        const std::vector<int> secret = fx.secret();
        // The fixture's fixed random source draws light blue, blue, purple, orange; the miss is
        // pink, purple, green, light blue.
        QCOMPARE(secret, (std::vector<int>{6, 2, 3, 5}));
        for (int j = 0; j < 3; ++j)
            key(Qt::Key(Qt::Key_0 + miss[std::size_t(j)]));
        QCOMPARE(focused(), QString("green peg in hole 3. Row 1, hole 4, empty"));
        key(Qt::Key(Qt::Key_0 + miss[3]));
        QCOMPARE(fx.f().focusWidget(), fx.checkButton());
        QCOMPARE(focused(), QString("light blue peg in hole 4. Check row 1: pink, purple, green, light blue"));
        // Another colour in the last hole: the focus goes back to it, and so on.
        key(Qt::Key(Qt::Key_0 + secret[3]));
        QCOMPARE(fx.f().focusWidget(), fx.guessHole(0, 3));
        QVERIFY(focused().endsWith("Row 1, hole 4, orange peg"));

        key(Qt::Key_Return);
        QCOMPARE(fx.f().focusWidget(), fx.find("FieldBox1"));
        QCOMPARE(focused(), QString("Checking row 1"));
        fx.settle();
        QCOMPARE(fx.f().focusWidget(), fx.guessHole(1, 0));
        // Pink, purple, green, orange against the secret: orange in place, purple elsewhere.
        QCOMPARE(focused(), QString("Row 1: one black, one grey. Row 2, hole 1, empty"));

        // The win is the status bar's name as it takes the focus, before the next banner.
        QString heard;
        fx.log.onOpen = [&](QWidget*) {
            if (heard.isEmpty())
                heard = fx.spoken(fx.f().focusWidget());
            return false;
        };
        for (int c : secret)
            key(Qt::Key(Qt::Key_0 + c));
        key(Qt::Key_Return);
        fx.settle();
        // Level 1 won on its second of eight rows: 6 rows left * 25 + 250.
        QCOMPARE(heard, QString("Row 2: four black, no grey. Solved! Level 1 won, score 400."));
    }
};

QTEST_MAIN(BoardPlayTest)
#include "test_board_play.moc"

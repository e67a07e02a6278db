// SPDX-License-Identifier: GPL-3.0-or-later
// Playing with the keyboard, and the board as a screen reader reads it.
#include "BoardFixture.h"
#include "Scoring.h"

#include <QAccessible>
#include <QSignalSpy>

using namespace tintrix;
using namespace tintrix::test;

namespace {
void key(Form1& f, int k, Qt::KeyboardModifiers mods = Qt::NoModifier) { QTest::keyClick(&f, Qt::Key(k), mods); }
void typeRow(Form1& f, const std::vector<int>& colours)
{
    key(f, Qt::Key_Home);
    for (int c : colours)
        key(f, Qt::Key_0 + c);
}
int cursorCount(BoardFixture& fx)
{
    int marked = 0;
    for (int n = 1; n <= 12; ++n)
        for (int j = 0; j < 6; ++j)
            marked += fx.f().Row[std::size_t(n)][std::size_t(j)]->cursorMark();
    return marked;
}
} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { PrepareTestEnvironment(); }
    void init() { ClearSettings(); }

    // Colour keys fill the cursor's hole and move on; Return checks; a level is won by keys alone.
    void keyboardWinsALevel()
    {
        BoardFixture fx;
        Form1& f = fx.f();
        fx.newGame();
        QCOMPARE(cursorCount(fx), 1);
        QVERIFY(fx.guessHole(0, 0)->cursorMark());
        typeRow(f, fx.secret());
        QCOMPARE(ColorsOf(fx.s().GuessPieces.row(0)), fx.secret());
        // Each key sounds like a pick and a placement.
        QCOMPARE(fx.audio.effects.count("Change.wav"), 8);
        QVERIFY(!fx.s().ColorInHand);
        key(f, Qt::Key_Return);
        QCOMPARE(fx.s().CurrentLevel, 2);
        QCOMPARE(fx.s().Score, 425);
        QVERIFY(fx.guessHole(0, 0)->cursorMark());
    }

    // Arrows move the cursor round the row; 0 clicks the cursor's hole as it is.
    void cursorMovesAndCopies()
    {
        BoardFixture fx;
        Form1& f = fx.f();
        fx.newGame();
        key(f, Qt::Key_Left);
        QCOMPARE(f.cursorHole(), 3);
        QVERIFY(fx.guessHole(0, 3)->cursorMark());
        key(f, Qt::Key_Right);
        QCOMPARE(f.cursorHole(), 0);
        key(f, Qt::Key_End);
        QCOMPARE(f.cursorHole(), 3);
        key(f, Qt::Key_7); // level 1 has six colours
        QCOMPARE(fx.s().GuessPieces(0, 3).Color, 0);
        const std::vector<int> first = fx.miss();
        typeRow(f, first);
        key(f, Qt::Key_Space);
        QCOMPARE(fx.s().CurrentRow, 1);
        QCOMPARE(f.cursorHole(), 0);
        key(f, Qt::Key_Right);
        key(f, Qt::Key_0);
        QCOMPARE(fx.s().GuessPieces(1, 1).Color, first[1]);
        QCOMPARE(cursorCount(fx), 1);
    }

    // Keys are ignored before a game, during a check and after the game.
    void keysIgnoredWhereClicksAre()
    {
        BoardFixture fx;
        Form1& f = fx.f();
        key(f, Qt::Key_1);
        key(f, Qt::Key_Return);
        QVERIFY(fx.audio.effects.isEmpty());
        QVERIFY(fx.log.seen.isEmpty());
        QCOMPARE(cursorCount(fx), 0);

        fx.newGame();
        typeRow(f, fx.miss());
        int filledDuringCheck = -1;
        QTimer::singleShot(0, &f, [&] {
            key(f, Qt::Key_Home);
            key(f, Qt::Key_1);
            key(f, Qt::Key_Return);
            filledDuringCheck = fx.s().GuessPieces(1, 0).Color;
        });
        key(f, Qt::Key_Return);
        QCOMPARE(filledDuringCheck, 0);
        QCOMPARE(fx.s().CurrentRow, 1);

        f.EndGame->trigger();
        const int effects = int(fx.audio.effects.size());
        key(f, Qt::Key_2);
        QCOMPARE(int(fx.audio.effects.size()), effects);
        QCOMPARE(cursorCount(fx), 0);
    }

    // Undo and redo have shortcuts; the menu commands too.
    void shortcuts()
    {
        BoardFixture fx;
        Form1& f = fx.f();
        f.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        key(f, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(fx.s().CurrentLevel, 1);
        QVERIFY(f.EndGame->isEnabled());
        const std::vector<int> first = fx.miss();
        typeRow(f, first);
        key(f, Qt::Key_Return);
        QCOMPARE(fx.s().CurrentRow, 1);
        // The window is active again once the level banner has gone, as under a window manager.
        f.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        key(f, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(ColorsOf(fx.s().GuessPieces.row(1)), first);
        key(f, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(fx.s().GuessPieces(1, 0).Color, 0);
        key(f, Qt::Key_E, Qt::ControlModifier);
        QVERIFY(fx.log.seen.contains("banner:SORRY!/GAME OVER"));
        QVERIFY(!f.EndGame->isEnabled());
    }

    // A played row and its feedback, as a screen reader reads them.
    void accessibleTexts()
    {
        BoardFixture fx;
        Form1& f = fx.f();
        fx.newGame();
        const std::vector<int> secret = fx.secret();
        std::vector<int> guess(secret.rbegin(), secret.rend());
        typeRow(f, guess);
        key(f, Qt::Key_Return);
        const MatchCounts counts = CountMatches(guess, secret);
        QCOMPARE(f.RowFeedbackText(0), QStringLiteral("%1 black, %2 grey").arg(counts.exact).arg(counts.colourOnly));

        const char* names[] = {"", "pink", "blue", "purple", "green", "orange", "light blue"};
        QAccessibleInterface* hole = QAccessible::queryAccessibleInterface(fx.guessHole(0, 2));
        QVERIFY(hole);
        QCOMPARE(hole->text(QAccessible::Name), QString("Row 1, hole 3"));
        QCOMPARE(hole->text(QAccessible::Description), QString(names[guess[2]]) + " peg");
        QAccessibleInterface* clue = QAccessible::queryAccessibleInterface(fx.clueHole(0, 0));
        QCOMPARE(clue->text(QAccessible::Description), QString(counts.exact > 0 ? "black peg" : "grey peg"));
        QCOMPARE(QAccessible::queryAccessibleInterface(fx.guessHole(1, 0))->text(QAccessible::Description), QString("empty"));
        QCOMPARE(QAccessible::queryAccessibleInterface(f.ColSelect[6])->text(QAccessible::Description),
                 QString("dark blue, not in play"));
        QCOMPARE(QAccessible::queryAccessibleInterface(f.Image2)->text(QAccessible::Description), QString("Checks row 2"));
    }
};

QTEST_MAIN(KeyboardTest)
#include "test_keyboard.moc"

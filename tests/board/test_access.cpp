// SPDX-License-Identifier: GPL-3.0-or-later
// The board for screen readers: roles and states, the focus that follows the keyboard's
// cursor, and the results spoken with the next focus.
#include "BoardFixture.h"
#include "Describe.h"

#include <QAccessible>
#include <QStatusBar>

using namespace tintrix;
using namespace tintrix::test;

namespace {
QAccessibleInterface* Acc(QWidget* w) { return QAccessible::queryAccessibleInterface(w); }
QString Name(QWidget* w) { return BoardFixture::spoken(w); }
} // namespace

class AccessTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { PrepareTestEnvironment(); }
    void init() { ClearSettings(); }

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
        QCOMPARE(Name(fx.panel(2)), QString("Level 1"));
        QVERIFY(Acc(fx.guessHole(0, 2))->state().focusable);
        QVERIFY(!Acc(fx.guessHole(1, 2))->state().focusable);

        fx.click(fx.bar(3));
        QVERIFY(Acc(fx.bar(3))->state().checked);
        QVERIFY(!Acc(fx.bar(2))->state().checked);
        QCOMPARE(Name(fx.panel(4)), QString("Colour in hand: purple"));
        // The press action is a click.
        Acc(fx.guessHole(0, 1))->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(fx.s().GuessPieces(0, 1).Color, 3);
        QCOMPARE(Name(fx.guessHole(0, 1)), QString("Row 1, hole 2, purple peg"));
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
        QCOMPARE(Name(fx.f().centralWidget()), QString("Tintrix board, no game running. Control+N starts a new game."));
        fx.newGame();
        auto key = [&](Qt::Key k) { QTest::keyClick(fx.f().focusWidget(), k); };
        auto focused = [&] { return Name(fx.f().focusWidget()); };
        QCOMPARE(fx.f().focusWidget(), fx.guessHole(0, 0));
        QCOMPARE(focused(), QString("Row 1, hole 1, empty"));
        key(Qt::Key_End);
        QCOMPARE(fx.f().focusWidget(), fx.guessHole(0, 3));
        key(Qt::Key_Home);

        const std::vector<int> miss = fx.miss();
        const std::vector<int> secret = fx.secret();
        for (int j = 0; j < 3; ++j)
            key(Qt::Key(Qt::Key_0 + miss[std::size_t(j)]));
        QCOMPARE(focused(), QString::fromStdString(ColourName(miss[2]) + " peg in hole 3. Row 1, hole 4, empty"));
        key(Qt::Key(Qt::Key_0 + miss[3]));
        QCOMPARE(fx.f().focusWidget(), fx.checkButton());
        QCOMPARE(focused(), QString::fromStdString(ColourName(miss[3]) + " peg in hole 4. Check row 1: " + ColoursText(miss)));
        // Another colour in the last hole: the focus goes back to it, and so on.
        key(Qt::Key(Qt::Key_0 + secret[3]));
        QCOMPARE(fx.f().focusWidget(), fx.guessHole(0, 3));
        QVERIFY(focused().endsWith(QString::fromStdString("Row 1, hole 4, " + ColourName(secret[3]) + " peg")));

        key(Qt::Key_Return);
        QCOMPARE(fx.f().focusWidget(), fx.f().centralWidget());
        QCOMPARE(focused(), QString("Checking row 1"));
        fx.settle();
        QCOMPARE(fx.f().focusWidget(), fx.guessHole(1, 0));
        QCOMPARE(focused(), QString::fromStdString("Row 1: " + RowFeedbackText(fx.s(), 0) + ". Row 2, hole 1, empty"));

        // The win is the status bar's name as it takes the focus, before the next banner.
        QString heard;
        fx.log.onOpen = [&](QWidget*) {
            if (heard.isEmpty())
                heard = Name(fx.f().focusWidget());
            return false;
        };
        for (int c : secret)
            key(Qt::Key(Qt::Key_0 + c));
        key(Qt::Key_Return);
        fx.settle();
        QCOMPARE(heard, QString("Row 2: four black, no grey. Solved! Level 1 won, score %1.").arg(fx.s().Score));
    }
};

QTEST_MAIN(AccessTest)
#include "test_access.moc"

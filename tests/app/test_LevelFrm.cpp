// SPDX-License-Identifier: GPL-3.0-or-later
// The level banner: placed over the board, deaf to clicks and keys, gone after its time,
// and every announcement fits its lines.
#include "LevelCatalogue.h"
#include "LevelFrm.h"
#include "TestSupport.h"
#include "TimeScale.h"

// Qt
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QTest>
#include <QTimer>

using tintrix::LevelFrm;

class TestLevelFrm : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void announceReturnsAfterItsTime();
    void staysOpenWhenClickedEscapedOrClosed();
    void placedOverTheBoard_data();
    void placedOverTheBoard();
    void announcementsFitTheirLines_data();
    void announcementsFitTheirLines();
};

void TestLevelFrm::initTestCase()
{
    tintrix::test::PrepareTestEnvironment(0.05);
}

void TestLevelFrm::announceReturnsAfterItsTime()
{
    // Announce shows both lines in a modal banner and returns once it has closed itself,
    // 3000 ms (scaled) later.
    QWidget board;
    board.setGeometry(200, 150, 500, 400);
    board.show();
    QString seen1, seen2;
    QTimer::singleShot(0, this, [&] {
        if (auto* banner = qobject_cast<LevelFrm*>(QApplication::activeModalWidget())) {
            seen1 = banner->Label1->text();
            seen2 = banner->Label2->text();
        }
    });
    QElapsedTimer clock;
    clock.start();
    qint64 elapsed = -1;
    LevelFrm::Announce(&board, "SORRY!", "GAME OVER", [&] { elapsed = clock.elapsed(); });
    QVERIFY(QApplication::activeModalWidget() != nullptr); // returns at once, the banner up
    QVERIFY(QTest::qWaitFor([&] { return elapsed >= 0; }, 5000));
    QCOMPARE(seen1, QStringLiteral("SORRY!"));
    QCOMPARE(seen2, QStringLiteral("GAME OVER"));
    QVERIFY2(elapsed >= tintrix::ScaledMs(3000) * 9 / 10, qPrintable(QString::number(elapsed)));
    QVERIFY(QApplication::activeModalWidget() == nullptr);
}

void TestLevelFrm::staysOpenWhenClickedEscapedOrClosed()
{
    // Clicks on the banner or either line, Escape, Enter and the close box leave it open;
    // it still closes by itself (accepted, as the timer closes it).
    QWidget board;
    board.setGeometry(200, 150, 500, 400);
    board.show();
    LevelFrm banner(&board);
    banner.Label1->setText("LEVEL 7");
    banner.Label2->setText("5 SPACES, 6 COLORS, NO DUPLICATES");

    QStringList closedEarlyBy;
    QTimer::singleShot(0, this, [&] {
        const auto check = [&](const QString& what) {
            QApplication::processEvents();
            if (!banner.isVisible())
                closedEarlyBy << what;
        };
        QTest::mouseClick(&banner, Qt::LeftButton);
        check("click on the banner");
        QTest::mouseClick(banner.findChild<QWidget*>("Picture1"), Qt::LeftButton);
        check("click on its picture");
        QTest::mouseClick(banner.Label1, Qt::LeftButton);
        check("click on Label1");
        QTest::mouseClick(banner.Label2, Qt::LeftButton);
        check("click on Label2");
        QTest::mouseDClick(banner.Label2, Qt::LeftButton);
        check("double click on Label2");
        QTest::keyClick(&banner, Qt::Key_Escape);
        check("Escape");
        QTest::keyClick(&banner, Qt::Key_Return);
        check("Enter");
        banner.close();
        check("the close box");
    });
    QElapsedTimer clock;
    clock.start();
    const int result = banner.exec();
    QVERIFY2(closedEarlyBy.isEmpty(), qPrintable(closedEarlyBy.join(", ")));
    QCOMPARE(result, int(QDialog::Accepted));
    QVERIFY(clock.elapsed() >= tintrix::ScaledMs(3000) * 9 / 10);
}

void TestLevelFrm::placedOverTheBoard_data()
{
    QTest::addColumn<QRect>("board");
    QTest::newRow("level 1 board") << QRect(100, 80, 400, 500);
    QTest::newRow("odd width") << QRect(33, 17, 401, 611);
    QTest::newRow("board narrower than the banner") << QRect(300, 0, 180, 300);
    QTest::newRow("wide board far right") << QRect(700, 250, 720, 640);
}

void TestLevelFrm::placedOverTheBoard()
{
    // Outer frames: top = board top + half the banner's height; left = board left + half
    // the board's width - half the banner's width.
    QFETCH(QRect, board);
    QWidget boardWindow;
    boardWindow.setGeometry(board);
    boardWindow.show();
    QVERIFY(QTest::qWaitForWindowExposed(&boardWindow));

    LevelFrm banner(&boardWindow);
    banner.show();
    const QRect b = boardWindow.frameGeometry();
    const QRect own = banner.frameGeometry();
    QVERIFY(qAbs(own.top() - (b.top() + own.height() / 2)) <= 1);
    QVERIFY(qAbs(own.left() - (b.left() + b.width() / 2 - own.width() / 2)) <= 1);
    // The client area keeps its fixed size of 3615 x 1215 twips.
    QCOMPARE(banner.size(), QSize(241, 81));
}

void TestLevelFrm::announcementsFitTheirLines_data()
{
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("detail");
    for (const tintrix::LevelSpec& level : tintrix::kLevelCatalogue) {
        // The second round of the tournament has two-digit levels: the widest headings.
        const int secondRound = level.Level + tintrix::kCatalogueRows;
        QTest::addRow("level %d", secondRound)
            << QStringLiteral("LEVEL %1").arg(secondRound)
            << QString::fromLatin1(level.LevelDescription.data(), qsizetype(level.LevelDescription.size()));
    }
    QTest::newRow("game over") << "SORRY!" << "GAME OVER";
}

void TestLevelFrm::announcementsFitTheirLines()
{
    // Whatever font stands in for the banner's face, each line is shown whole on one row of
    // its label once the banner is up.
    QFETCH(QString, heading);
    QFETCH(QString, detail);
    QWidget board;
    LevelFrm banner(&board);
    banner.Label1->setText(heading);
    banner.Label2->setText(detail);
    banner.show();
    for (QLabel* label : {banner.Label1, banner.Label2}) {
        const QFontMetrics metrics(label->font());
        const QRect box = label->contentsRect();
        const QRect needed = metrics.boundingRect(box, Qt::AlignCenter | Qt::TextWordWrap, label->text());
        QVERIFY2(box.contains(needed), qPrintable(label->text()));
        QVERIFY2(needed.height() < 2 * metrics.lineSpacing(), qPrintable(label->text()));
    }
}

QTEST_MAIN(TestLevelFrm)
#include "test_LevelFrm.moc"

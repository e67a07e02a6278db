// SPDX-License-Identifier: GPL-3.0-or-later
// The splash: it closes itself after its time, and its logo follows the frame rule.
#include "TestSupport.h"
#include "TimeScale.h"
#include "frmSplash.h"

// Qt
#include <QElapsedTimer>
#include <QLabel>
#include <QTest>
#include <QThread>
#include <QTimer>

using tintrix::frmSplash;

class TestFrmSplash : public QObject {
    Q_OBJECT

private slots:
    void closesItselfAfterItsTimeEvenWhenEscaped();
    void logoFollowsTheFrameRule();
    void returnsWhenItsTimeRanOutBeforeTheLoop();
};

void TestFrmSplash::closesItselfAfterItsTimeEvenWhenEscaped()
{
    // Shown modally, the splash returns on its own after 2700 ms (scaled); Escape does not
    // cut it short.
    tintrix::test::PrepareTestEnvironment(0.05);
    const int lifetime = tintrix::ScaledMs(2700);
    frmSplash splash(nullptr);
    QTimer::singleShot(0, &splash, [&] { QTest::keyClick(&splash, Qt::Key_Escape); });
    QElapsedTimer clock;
    clock.start();
    const int result = splash.exec();
    const qint64 elapsed = clock.elapsed();
    QCOMPARE(result, int(QDialog::Accepted));
    QVERIFY2(elapsed >= lifetime * 9 / 10, qPrintable(QString::number(elapsed)));
    QVERIFY2(elapsed < lifetime + 2000, qPrintable(QString::number(elapsed)));
    QVERIFY(!splash.isVisible());
}

void TestFrmSplash::logoFollowsTheFrameRule()
{
    // The first tick shows nothing new; from the second tick on imgLogo runs through
    // frames 1, 2, 3, 1, 2, 3, each tick putting a different picture in place.
    tintrix::test::PrepareTestEnvironment(0.2);
    frmSplash splash(nullptr);
    const qint64 initialPicture = splash.imgLogo->pixmap().cacheKey();
    QVERIFY(!splash.imgLogo->pixmap().isNull());
    QCOMPARE(splash.logoFrame(), 0);

    struct Tick {
        int shown;
        int shownFrame;
        int next;
        qint64 picture;
    };
    QList<Tick> ticks;
    connect(&splash, &frmSplash::logoTicked, this, [&](int frame) {
        ticks.append({frame, splash.shownFrame(), splash.logoFrame(), splash.imgLogo->pixmap().cacheKey()});
    });
    splash.exec();

    QVERIFY2(ticks.size() >= 8, qPrintable(QString::number(ticks.size())));
    QCOMPARE(ticks[0].shown, 0);
    QCOMPARE(ticks[0].next, 1);
    QCOMPARE(ticks[0].picture, initialPicture);

    QHash<int, qint64> pictureOfFrame;
    for (int i = 1; i < ticks.size(); ++i) {
        const int expected = (i - 1) % 3 + 1;
        QCOMPARE(ticks[i].shown, expected);
        QCOMPARE(ticks[i].shownFrame, expected);
        QCOMPARE(ticks[i].next, expected + 1); // 4 after frame 3, wrapped on the next tick
        // The same frame always shows the same picture, and no two frames share one.
        if (pictureOfFrame.contains(expected))
            QCOMPARE(ticks[i].picture, pictureOfFrame[expected]);
        else
            pictureOfFrame.insert(expected, ticks[i].picture);
    }
    QCOMPARE(QSet<qint64>(pictureOfFrame.cbegin(), pictureOfFrame.cend()).size(), 3);
}

void TestFrmSplash::returnsWhenItsTimeRanOutBeforeTheLoop()
{
    // A slow machine can let the splash's whole time pass before exec() runs its loop: a
    // splash screen handles its pending events while it is being shown, so its timer closes
    // it right there. exec() must still return, accepted.
    tintrix::test::PrepareTestEnvironment(0.02);
    frmSplash splash(nullptr);
    QThread::msleep(tintrix::ScaledMs(2700) + 20);
    bool stuck = false;
    QTimer::singleShot(3000, &splash, [&] { // frees a loop that missed the close
        stuck = true;
        splash.show();
        splash.done(QDialog::Rejected);
    });
    QCOMPARE(splash.exec(), int(QDialog::Accepted));
    QVERIFY(!stuck);
    QVERIFY(!splash.isVisible());
}

QTEST_MAIN(TestFrmSplash)
#include "test_frmSplash.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up runs its steps in order and leaves level 1 at rest.
#include "Form1.h"
#include "HighScoreBook.h"
#include "RecordingAudio.h"
#include "Startup.h"
#include "TestSupport.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QTest>

using namespace tintrix;
using namespace tintrix::test;

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { PrepareTestEnvironment(); }

    // The splash has closed before the scores are read and before the board exists; the board
    // then shows level 1 with nothing drawn or playing, and no score file appears.
    void stepsRunInOrder()
    {
        ProgramFolder folder;
        QStringList steps;
        bool boardExistedAfterSplash = true;
        bool splashOpenAtScores = true;
        test::RecordingAudio* audio = nullptr;
        QElapsedTimer clock;
        qint64 splashClosedAt = 0;
        clock.start();
        Program program = Main(
            folder.path(),
            [&] {
                auto made = std::make_unique<test::RecordingAudio>();
                audio = made.get();
                return made;
            },
            [&](const QString& step) {
                steps << step;
                const QWidgetList windows = QApplication::topLevelWidgets();
                if (step == "splash") {
                    splashClosedAt = clock.elapsed();
                    boardExistedAfterSplash = std::any_of(windows.begin(), windows.end(),
                                                          [](QWidget* w) { return qobject_cast<Form1*>(w); });
                }
                if (step == "high scores")
                    splashOpenAtScores = std::any_of(windows.begin(), windows.end(), [](QWidget* w) {
                        return w->objectName() == "frmSplash" && w->isVisible();
                    });
            });
        QCOMPARE(steps, (QStringList{"splash", "high scores", "board loaded", "pictures", "level 1", "shown"}));
        QVERIFY(!boardExistedAfterSplash);
        QVERIFY(!splashOpenAtScores);
        QVERIFY(splashClosedAt >= 2700 * 0.02 * 0.9); // the splash stays its (scaled) time

        Form1& board = *program.board;
        QVERIFY(board.isVisible());
        QCOMPARE(board.game().state().CurrentLevel, 1);
        QCOMPARE(board.game().secret(), std::vector<int>(4, 0));
        QVERIFY(audio && audio->fakeMidi.calls.isEmpty());
        QVERIFY(!QFile::exists(QDir(folder.path()).filePath("Hsl.hsl")));
    }
};

QTEST_MAIN(StartupTest)
#include "test_startup.moc"

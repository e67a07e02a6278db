// SPDX-License-Identifier: GPL-3.0-or-later
// The application shell: start-up order, the splash's own time, and the level banner that only
// its timer closes.
#include "Form1.h"
#include "LevelFrm.h"
#include "RecordingAudio.h"
#include "SoundModule.h"
#include "Startup.h"
#include "TestSupport.h"
#include "TimeScale.h"
#include "frmSplash.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <cmath>

using namespace tintrix;
using namespace tintrix::test;

namespace {
// Whether a library whose file name contains name is mapped into this process.
bool mapped(const char* name)
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(name);
}
} // namespace

class AppTest : public QObject {
    Q_OBJECT
private slots:
    // The splash has closed before the scores are read and before the board exists; the board
    // then shows level 1 with nothing drawn or playing, and no score file appears.
    void startUpStepsRunInOrder()
    {
        PrepareTestEnvironment();
        ProgramFolder folder;
        QStringList steps;
        bool boardBeforeSplashClosed = true, splashOpenAtScores = true;
        RecordingAudio* audio = nullptr;
        const auto open = [](auto which) {
            const QWidgetList windows = QApplication::topLevelWidgets();
            return std::any_of(windows.begin(), windows.end(), which);
        };
        Program program = Main(
            folder.path(),
            [&] {
                auto made = std::make_unique<RecordingAudio>();
                audio = made.get();
                return made;
            },
            {.step = [&](const QString& step) {
                steps << step;
                if (step == "splash")
                    boardBeforeSplashClosed = open([](QWidget* w) { return qobject_cast<Form1*>(w) != nullptr; });
                if (step == "high scores")
                    splashOpenAtScores = open([](QWidget* w) { return qobject_cast<frmSplash*>(w) && w->isVisible(); });
            },
            .timeScale = kTestTimeScale});
        QCOMPARE(steps, (QStringList{"splash", "high scores", "board loaded", "pictures", "level 1", "shown"}));
        QVERIFY(!boardBeforeSplashClosed && !splashOpenAtScores);
        QVERIFY(program.board->isVisible());
        QCOMPARE(program.board->game().state().CurrentLevel, 1);
        QCOMPARE(program.board->game().secret(), std::vector<int>(4, 0));
        QVERIFY(audio && audio->fakeMidi.calls.isEmpty() && audio->effects.isEmpty());
        QVERIFY(!QFile::exists(QDir(folder.path()).filePath("Hsl.hsl")));
    }

    // A timer's length at a time scale: rounded, never below 1 ms, and a scale that is no
    // factor (0, negative, not a number) leaves the real length.
    void timersFollowTheTimeScale_data()
    {
        QTest::addColumn<int>("ms");
        QTest::addColumn<double>("scale");
        QTest::addColumn<int>("scaled");
        QTest::newRow("banner in tests") << 3000 << 0.02 << 60;
        QTest::newRow("logo frame rounded") << 75 << 0.02 << 2;
        QTest::newRow("never below 1 ms") << 10 << 0.001 << 1;
        QTest::newRow("slower") << 200 << 2.5 << 500;
        QTest::newRow("zero") << 3000 << 0.0 << 3000;
        QTest::newRow("negative") << 3000 << -0.5 << 3000;
        QTest::newRow("not a number") << 3000 << std::nan("") << 3000;
    }
    void timersFollowTheTimeScale()
    {
        QFETCH(int, ms);
        QFETCH(double, scale);
        QFETCH(int, scaled);
        QCOMPARE(ScaledMs(ms, scale), scaled);
    }

    // Shown modally, the splash returns on its own after its (scaled) time, and Escape does
    // not cut it short. A slow machine can let that whole time pass before exec() runs its
    // loop (a splash screen handles its pending events, its timer among them, while it is
    // being shown): exec() must still return, accepted.
    void splashClosesItselfAfterItsTime_data()
    {
        QTest::addColumn<bool>("lateLoop");
        QTest::newRow("on time") << false;
        QTest::newRow("time ran out before the loop") << true;
    }
    void splashClosesItselfAfterItsTime()
    {
        QFETCH(bool, lateLoop);
        PrepareTestEnvironment();
        const int lifetime = 2700 * kTestTimeScale;
        QElapsedTimer clock;
        clock.start();
        frmSplash splash(kTestTimeScale);
        if (lateLoop)
            QThread::msleep(lifetime + 20);
        QTimer::singleShot(0, &splash, [&] { QTest::keyClick(&splash, Qt::Key_Escape); });
        QTimer::singleShot(3000, &splash, [&] { splash.show(), splash.done(QDialog::Rejected); }); // frees a stuck loop
        QCOMPARE(splash.exec(), int(QDialog::Accepted));
        QVERIFY2(clock.elapsed() >= lifetime * 9 / 10, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(!splash.isVisible());
    }

    // Clicks on the banner or its lines, Escape, Enter and the close box leave it open; it
    // closes by itself after its time, and Announce calls back only then.
    void bannerOnlyClosesByItself()
    {
        PrepareTestEnvironment();
        const double timeScale = 0.05;
        QWidget board;
        board.setGeometry(200, 150, 500, 400);
        board.show();
        QStringList closedEarlyBy;
        QTimer::singleShot(0, this, [&] {
            auto* banner = qobject_cast<LevelFrm*>(QApplication::activeModalWidget());
            if (!banner)
                return closedEarlyBy << "no banner", void();
            const auto check = [&](const QString& what) {
                QApplication::processEvents();
                if (!banner->isVisible())
                    closedEarlyBy << what;
            };
            QTest::mouseClick(banner, Qt::LeftButton);
            check("a click on the banner");
            QTest::mouseDClick(banner->Label2, Qt::LeftButton);
            check("a double click on a line");
            QTest::keyClick(banner, Qt::Key_Escape);
            check("Escape");
            QTest::keyClick(banner, Qt::Key_Return);
            check("Enter");
            banner->close();
            check("the close box");
        });
        QElapsedTimer clock;
        clock.start();
        qint64 elapsed = -1;
        LevelFrm::Announce(&board, {1.0, timeScale}, "LEVEL 7", "5 SPACES, 6 COLORS, NO DUPLICATES",
                           [&] { elapsed = clock.elapsed(); });
        QVERIFY(QTest::qWaitFor([&] { return elapsed >= 0; }, 5000));
        QVERIFY2(closedEarlyBy.isEmpty(), qPrintable(closedEarlyBy.join(", ")));
        QVERIFY2(elapsed >= 3000 * timeScale * 9 / 10, qPrintable(QString::number(elapsed)));
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    // The program's sound comes from a module in its folder, opened when New Game first asks
    // for the music: start-up maps none of the sound libraries. Without a usable module the
    // game plays on in silence and says nothing.
    void soundModuleOpensAtNewGameOrGameStaysSilent_data()
    {
        QTest::addColumn<QString>("module");
        // The built module last: once opened, it stays in the process.
        QTest::newRow("missing") << "missing";
        QTest::newRow("not a library") << "junk";
        QTest::newRow("a library without the entry") << "foreign";
        QTest::newRow("built") << "built";
    }
    void soundModuleOpensAtNewGameOrGameStaysSilent()
    {
        QFETCH(QString, module);
        PrepareTestEnvironment();
        ProgramFolder folder;
        const QString modulePath = QDir(folder.path()).filePath(kSoundModuleName);
        const QDir built(QStringLiteral(TINTRIX_PROGRAM_DIR));
        QVERIFY(QDir(folder.path()).mkpath(QFileInfo(modulePath).path()));
        if (module == "built")
            QVERIFY(QFile::copy(built.filePath(kSoundModuleName), modulePath));
        if (module == "junk") {
            QFile junk(modulePath);
            QVERIFY(junk.open(QIODevice::WriteOnly) && junk.write(QByteArray(4096, 'x')) == 4096);
        }
        if (module == "foreign") // a real shared library (one already loaded), but not the sound module
            QVERIFY(QFile::link(QStringLiteral(TINTRIX_FOREIGN_LIBRARY), modulePath));
        SoundModule* sound = nullptr;
        Program program = Main(folder.path(), [&] {
            auto made = CreateGameAudio(folder.path());
            sound = dynamic_cast<SoundModule*>(made.get());
            return made;
        }, {.timeScale = kTestTimeScale});
        QVERIFY(sound && !sound->loaded());
        QVERIFY(!mapped("tintrix-sound") && !mapped("libfluidsynth") && !mapped("libQt6Multimedia"));
        QStringList messages;
        ModalAnswerer answerer([&](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal))
                messages << box->text(), box->accept();
            return false;
        });
        Form1& board = *program.board;
        board.Tournament_Click();
        QVERIFY(WaitFor([&] { return board.game().phase() == Phase::Playing; }));
        QCOMPARE(sound->loaded(), module == "built");
        QCOMPARE(mapped("libfluidsynth"), module == "built");
        QCOMPARE(sound->failure().isEmpty(), module == "built");
        // A row of the first colour, checked: the board scores it and moves on.
        const int row = board.game().state().CurrentRow;
        for (int hole = 0; hole <= board.game().state().LastHoleIndex; ++hole) {
            board.ColSelect_Click(0);
            board.Row_Click(row, hole);
        }
        board.Image2_Click();
        QVERIFY(WaitFor([&] {
            return board.game().phase() == Phase::Playing
                && (board.game().state().CurrentRow != row || board.game().state().CurrentLevel > 1);
        }));
        QVERIFY2(messages.isEmpty(), qPrintable(messages.join(" | ")));
    }
};

QTEST_MAIN(AppTest)
#include "test_app.moc"

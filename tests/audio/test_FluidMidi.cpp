// SPDX-License-Identifier: GPL-3.0-or-later
// The real music player on FluidSynth, without a sound card: the piece is rendered offline
// through the same SoundFont, or in real time through FluidSynth's file driver.
#include "FluidMidi.h"
#include "MidiFileInfo.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <vector>

using namespace tintrix;

namespace {

// Frames per second of offline rendering: the synthesizer's own rate.
const int kRate = DefaultFluidMidiOptions().sampleRate;

QString airyPath()
{
    return QDir(QStringLiteral(TINTRIX_PROGRAM_DIR)).filePath("Airy.mid");
}

FluidMidiOptions offlineOptions()
{
    FluidMidiOptions options = DefaultFluidMidiOptions();
    options.drivers.clear();
    return options;
}

MidiFileInfo airyInfo()
{
    QFile f(airyPath());
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = f.readAll();
    return ReadMidiFileInfo({reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size())});
}

struct Level {
    double peak = 0;
    double rms = 0;
};

// Renders seconds of audio offline and measures it.
Level render(FluidMidi& midi, double seconds)
{
    constexpr int kBlock = 1024;
    std::vector<float> buffer(2 * kBlock);
    double sum = 0;
    Level level;
    const long frames = std::lround(seconds * kRate);
    long done = 0;
    for (; done < frames; done += kBlock) {
        if (!midi.renderOffline(buffer.data(), kBlock))
            return {};
        for (float x : buffer) {
            level.peak = std::max(level.peak, double(std::abs(x)));
            sum += double(x) * x;
        }
    }
    level.rms = std::sqrt(sum / double(2 * done));
    return level;
}

// Ticks of the piece in a second of playing, from the file's own tempo.
double ticksPerSecond(const MidiFileInfo& info)
{
    return double(info.totalTicks) * 1000.0 / double(info.durationMs);
}

} // namespace

class FluidMidiTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (!QFile::exists(airyPath()))
            QFAIL("Airy.mid has not been generated");
        const QStringList fonts = DefaultFluidMidiOptions().soundFonts;
        if (std::none_of(fonts.begin(), fonts.end(), [](const QString& f) { return QFile::exists(f); }))
            QFAIL("no General MIDI SoundFont is installed");
    }

    // Every failure leaves the engine closed, silent and harmless: commands do nothing and
    // the board reads 0 for length and position.
    void failuresLeaveTheEngineClosed_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("withSoundFont");
        QTest::newRow("missing file") << "missing.mid" << true;
        QTest::newRow("not a MIDI file") << "garbage.mid" << true;
        QTest::newRow("cut short") << "short.mid" << true;
        QTest::newRow("missing SoundFont") << "Airy.mid" << false;
    }
    void failuresLeaveTheEngineClosed()
    {
        QFETCH(QString, file);
        QFETCH(bool, withSoundFont);
        QTemporaryDir dir;
        QFile::copy(airyPath(), dir.filePath("Airy.mid"));
        QFile garbage(dir.filePath("garbage.mid"));
        QVERIFY(garbage.open(QIODevice::WriteOnly));
        garbage.write(QByteArray(4000, '\x5a'));
        garbage.close();
        QFile airy(airyPath()), cut(dir.filePath("short.mid"));
        QVERIFY(airy.open(QIODevice::ReadOnly) && cut.open(QIODevice::WriteOnly));
        cut.write(airy.read(airy.size() / 2));
        cut.close();

        FluidMidiOptions options = DefaultFluidMidiOptions();
        if (!withSoundFont)
            options.soundFonts = {dir.filePath("none.sf2")};
        FluidMidi midi(options);
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!midi.open(dir.filePath(file)));
        for (int i = 0; i < 2; ++i) {
            midi.rewind();
            midi.play();
            midi.stop();
        }
        QVERIFY(clock.elapsed() < 3000);
        QVERIFY(!midi.isOpen());
        QVERIFY(!midi.isPlaying());
        QCOMPARE(midi.length(), qint64(0));
        QCOMPARE(midi.position(), qint64(0));
    }

    // Opening reports the file's length at once, before a note is played, stopped at the
    // start; a stopped piece does not advance however long the synthesizer renders.
    // (Guards the board's end-of-piece check: a length of 0 would restart stopped music.)
    void openKnowsTheLengthAndStaysStopped()
    {
        const MidiFileInfo info = airyInfo();
        QVERIFY(info.valid);
        FluidMidi midi(offlineOptions());
        QVERIFY(midi.open(airyPath()));
        QVERIFY(!midi.isPlaying());
        QCOMPARE(midi.length(), qint64(info.totalTicks));
        QCOMPARE(midi.position(), qint64(0));
        const Level level = render(midi, 1.0);
        QCOMPARE(midi.position(), qint64(0));
        QVERIFY(level.peak < 1e-4);
    }

    // Stop keeps the position and play resumes there, never from the beginning.
    void stopKeepsThePositionAndPlayResumes()
    {
        const MidiFileInfo info = airyInfo();
        FluidMidi midi(offlineOptions());
        QVERIFY(midi.open(airyPath()));
        midi.play();
        render(midi, 5.0);
        const qint64 stoppedAt = midi.position();
        QVERIFY(std::abs(stoppedAt - 5 * ticksPerSecond(info)) < 0.05 * ticksPerSecond(info) * 5);
        midi.stop();
        QVERIFY(!midi.isPlaying());
        render(midi, 3.0);
        QCOMPARE(midi.position(), stoppedAt);
        midi.play();
        render(midi, 1.0);
        QVERIFY(midi.position() > stoppedAt);
        QVERIFY(midi.position() < stoppedAt + 1.1 * ticksPerSecond(info));
    }

    // Rewinding returns to tick 0 and keeps playing if the piece was playing; a stopped piece
    // stays stopped at its start.
    void rewindReturnsToTheStart()
    {
        FluidMidi midi(offlineOptions());
        QVERIFY(midi.open(airyPath()));
        midi.play();
        render(midi, 4.0);
        QVERIFY(midi.position() > 0);
        midi.rewind();
        QCOMPARE(midi.position(), qint64(0));
        QVERIFY(midi.isPlaying());
        QVERIFY(render(midi, 1.0).peak > 0.01);
        QVERIFY(midi.position() > 0);

        midi.stop();
        midi.rewind();
        QCOMPARE(midi.position(), qint64(0));
        QVERIFY(!midi.isPlaying());
        render(midi, 1.0);
        QCOMPARE(midi.position(), qint64(0));
    }

    // The whole piece, rendered as the game plays it: at least a minute of sound, with no
    // silent stretch and no clipping, reaching the end the file announces; then the board's
    // loop (rewind and play at the end) starts it again from the beginning.
    void theWholePieceThenTheLoop()
    {
        const MidiFileInfo info = airyInfo();
        FluidMidi midi(offlineOptions());
        QVERIFY(midi.open(airyPath()));
        midi.play();
        double seconds = 0;
        double quietest = 1;
        double peak = 0;
        while (midi.position() < midi.length() && seconds < 300) {
            const Level level = render(midi, 5.0);
            seconds += 5.0;
            peak = std::max(peak, level.peak);
            if (midi.position() < midi.length())
                quietest = std::min(quietest, level.rms);
        }
        QVERIFY2(seconds >= 60, qPrintable(QString("the piece lasts %1 s").arg(seconds)));
        QVERIFY(seconds <= info.durationMs / 1000.0 + 5);
        QVERIFY2(quietest > 0.003, qPrintable(QString("quietest 5 s: rms %1").arg(quietest)));
        QVERIFY2(peak < 0.99, qPrintable(QString("peak %1").arg(peak)));

        midi.rewind();
        midi.play();
        QCOMPARE(midi.position(), qint64(0));
        QVERIFY(render(midi, 2.0).rms > 0.003);
        QVERIFY(midi.position() < 2.1 * ticksPerSecond(info));
    }

    // Music switched off after the last note, before the status update looped it, leaves the
    // piece at its start: the end-of-piece check must not restart music that is off.
    void stopAtTheEndLeavesThePieceAtItsStart()
    {
        FluidMidi midi(offlineOptions());
        QVERIFY(midi.open(airyPath()));
        midi.play();
        while (midi.position() < midi.length())
            render(midi, 5.0);
        midi.stop();
        QCOMPARE(midi.position(), qint64(0));
        QVERIFY(midi.position() < midi.length());
        midi.play();
        render(midi, 1.0);
        QVERIFY(midi.position() > 0);
    }

    // Opening again (the next New Game) stops the piece and puts it back at its start.
    void reopeningStopsAtTheStart()
    {
        FluidMidi midi(offlineOptions());
        QVERIFY(midi.open(airyPath()));
        midi.play();
        render(midi, 2.0);
        QVERIFY(midi.open(airyPath()));
        QVERIFY(!midi.isPlaying());
        QCOMPARE(midi.position(), qint64(0));
        render(midi, 1.0);
        QCOMPARE(midi.position(), qint64(0));
    }

    // With the system's drivers and no sound card, nothing hangs or fails: the piece opens,
    // "plays" silently and reports sane positions.
    void systemDriversWithoutASoundCard()
    {
        QElapsedTimer clock;
        clock.start();
        {
            FluidMidi midi;
            QVERIFY(midi.open(airyPath()));
            midi.play();
            QTest::qWait(300);
            midi.stop();
            const qint64 stoppedAt = midi.position();
            QVERIFY(stoppedAt >= 0 && stoppedAt < midi.length());
            QTest::qWait(200);
            QCOMPARE(midi.position(), stoppedAt);
            midi.play();
            QTest::qWait(200);
            QVERIFY(midi.position() >= stoppedAt);
        }
        QVERIFY(clock.elapsed() < 5000);
    }

    // Through a real audio thread (FluidSynth's file driver, paced like a sound card): the
    // piece advances in real time, stop keeps the position, the audio thread is gone soon
    // after a stop (an idle synthesizer would keep a core busy), and play resumes.
    void realTimeDriverComesAndGoes()
    {
        QTemporaryDir dir;
        const QString previous = QDir::currentPath();
        QDir::setCurrent(dir.path()); // the file driver writes its output here
        FluidMidiOptions options = DefaultFluidMidiOptions();
        options.drivers = {"file"};
        options.releaseMs = 100;
        {
            FluidMidi midi(options);
            QVERIFY(midi.open(airyPath()));
            QVERIFY(!midi.hasAudioDriver());
            midi.play();
            if (!midi.hasAudioDriver()) {
                QDir::setCurrent(previous);
                QSKIP("this FluidSynth has no file driver");
            }
            QTRY_VERIFY_WITH_TIMEOUT(midi.position() > 300, 5000);
            midi.stop();
            QTRY_VERIFY_WITH_TIMEOUT(!midi.hasAudioDriver(), 2000);
            const qint64 stoppedAt = midi.position();
            QTest::qWait(300);
            QCOMPARE(midi.position(), stoppedAt);
            midi.play();
            QVERIFY(midi.hasAudioDriver());
            QTRY_VERIFY_WITH_TIMEOUT(midi.position() > stoppedAt, 5000);
            QVERIFY(midi.position() < stoppedAt + 5000);
            midi.rewind();
            QVERIFY(midi.position() < stoppedAt);
            QVERIFY(midi.hasAudioDriver());
        }
        QDir::setCurrent(previous);
    }
};

QTEST_GUILESS_MAIN(FluidMidiTest)
#include "test_FluidMidi.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// The board's music control over a recording MIDI player: which commands reach the player,
// in which order, and when the status updates tick.
#include "MusicControl.h"
#include "RecordingAudio.h"

#include <QSignalSpy>
#include <QTest>

#include <limits>

using namespace tintrix;
using tintrix::test::FakeMidi;

namespace {
constexpr int kFastStatusMs = 5;
}

class MusicControlTest : public QObject {
    Q_OBJECT
private slots:
    // Before "open" (Music On before the first New Game), commands fail without effect and no
    // status update is raised.
    void commandsBeforeOpenDoNothing()
    {
        FakeMidi midi;
        MusicControl control(midi, kFastStatusMs);
        QSignalSpy updates(&control, &MusicControl::StatusUpdate);
        control.setFileName("/game/Airy.mid");
        for (const char* command : {"next", "play", "PLAY", "stop"})
            control.setCommand(command);
        QTest::qWait(10 * kFastStatusMs);
        QVERIFY(midi.calls.isEmpty());
        QCOMPARE(updates.count(), 0);
        QCOMPARE(control.length(), 0);
        QCOMPARE(control.position(), 0);
    }

    // New Game, Music Off, Music On, game over: each command reaches the player once, in
    // order; "PLAY" and "play" act alike; unknown commands are ignored.
    void commandsReachThePlayerInOrder()
    {
        FakeMidi midi;
        MusicControl control(midi, kFastStatusMs);
        control.setFileName("/game/Airy.mid");
        for (const char* command : {"open", "next", "PLAY", "stop", "play", "pause", "", "stop"})
            control.setCommand(command);
        QCOMPARE(midi.calls, (QStringList{"open Airy.mid", "rewind", "play", "stop", "play", "stop"}));
    }

    // The next New Game opens the same file again; the device stays usable and keeps its
    // status updates.
    void reopeningKeepsTheDeviceUsable()
    {
        FakeMidi midi;
        MusicControl control(midi, kFastStatusMs);
        QSignalSpy updates(&control, &MusicControl::StatusUpdate);
        control.setFileName("/game/Airy.mid");
        for (const char* command : {"open", "next", "PLAY", "open", "next", "PLAY"})
            control.setCommand(command);
        QCOMPARE(midi.calls,
                 (QStringList{"open Airy.mid", "rewind", "play", "open Airy.mid", "rewind", "play"}));
        QVERIFY(midi.isPlaying());
        QTRY_VERIFY(updates.count() >= 2);
    }

    // A piece that cannot be opened leaves the device closed: no commands, no updates.
    void failedOpenLeavesTheDeviceClosed()
    {
        FakeMidi midi;
        midi.openSucceeds = false;
        MusicControl control(midi, kFastStatusMs);
        QSignalSpy updates(&control, &MusicControl::StatusUpdate);
        control.setFileName("/game/missing.mid");
        for (const char* command : {"open", "next", "play"})
            control.setCommand(command);
        QTest::qWait(10 * kFastStatusMs);
        QCOMPARE(midi.calls, QStringList{"open missing.mid"});
        QCOMPARE(updates.count(), 0);
    }

    // Once open, updates come at the interval whether or not the music plays, so the board
    // can loop the piece.
    void statusUpdatesTickWhileOpen()
    {
        FakeMidi midi;
        MusicControl control(midi, kFastStatusMs);
        QSignalSpy updates(&control, &MusicControl::StatusUpdate);
        control.setFileName("/game/Airy.mid");
        control.setCommand("open");
        QTRY_VERIFY_WITH_TIMEOUT(updates.count() >= 3, 2000);
        control.setCommand("stop");
        const int afterStop = int(updates.count());
        QTRY_VERIFY_WITH_TIMEOUT(updates.count() > afterStop, 2000);
    }

    // The board reads length and position as 32-bit numbers: larger values stay at the
    // largest 32-bit number and nothing reads as negative.
    void lengthAndPositionAre32Bit_data()
    {
        QTest::addColumn<qint64>("engineLength");
        QTest::addColumn<qint64>("enginePosition");
        QTest::addColumn<qint32>("length");
        QTest::addColumn<qint32>("position");
        constexpr qint32 kMax = std::numeric_limits<qint32>::max();
        QTest::newRow("start") << qint64(61440) << qint64(0) << 61440 << 0;
        QTest::newRow("past the end") << qint64(61440) << qint64(63000) << 61440 << 63000;
        QTest::newRow("beyond 32 bits") << qint64(1) << qint64(5'000'000'000) << 1 << kMax;
        QTest::newRow("negative") << qint64(-5) << qint64(-1) << 0 << 0;
    }
    void lengthAndPositionAre32Bit()
    {
        QFETCH(qint64, engineLength);
        QFETCH(qint64, enginePosition);
        FakeMidi midi;
        midi.m_length = engineLength;
        MusicControl control(midi, kFastStatusMs);
        control.setFileName("/game/Airy.mid");
        control.setCommand("open");
        midi.setPosition(enginePosition);
        QTEST(control.length(), "length");
        QTEST(control.position(), "position");
    }
};

QTEST_GUILESS_MAIN(MusicControlTest)
#include "test_MusicControl.moc"

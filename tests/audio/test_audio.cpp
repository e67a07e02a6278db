// SPDX-License-Identifier: GPL-3.0-or-later
// The game's sound: which commands reach the music player and when the piece loops, and the
// real players without a sound card, where a missing file or SoundFont is silence, not a crash.
#include "EffectPlayer.h"
#include "FluidMidi.h"
#include "GameSound.h"
#include "MusicControl.h"
#include "RecordingAudio.h"

#include <QSignalSpy>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QTest>

using namespace tintrix;
using tintrix::test::FakeMidi;
using tintrix::test::RecordingAudio;

class AudioTest : public QObject {
    Q_OBJECT
private slots:
    // Commands reach the player once each, in order, whatever their case; unknown ones and
    // anything before a successful open do nothing, and only an open device ticks.
    void commandsReachThePlayer_data()
    {
        QTest::addColumn<bool>("opens");
        QTest::addColumn<QStringList>("commands");
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("before open") << true << QStringList{"next", "play", "stop"} << QStringList{};
        QTest::newRow("a game with music off and on")
            << true << QStringList{"open", "next", "PLAY", "stop", " play ", "pause", "", "stop"}
            << QStringList{"open Airy.mid", "rewind", "play", "stop", "play", "stop"};
        QTest::newRow("opened again by the next game") << true << QStringList{"open", "play", "open", "next"}
                                                       << QStringList{"open Airy.mid", "play", "open Airy.mid", "rewind"};
        QTest::newRow("open fails") << false << QStringList{"open", "next", "play"} << QStringList{"open Airy.mid"};
    }
    void commandsReachThePlayer()
    {
        QFETCH(bool, opens);
        QFETCH(QStringList, commands);
        FakeMidi midi;
        midi.openSucceeds = opens;
        MusicControl control(midi, 5);
        QSignalSpy ticks(&control, &MusicControl::StatusUpdate);
        control.setFileName("/game/Airy.mid");
        for (const QString& command : commands)
            control.setCommand(command);
        QTEST(midi.calls, "calls");
        QTest::qWait(50);
        QCOMPARE(ticks.count() > 0, midi.isOpen());
    }

    // A tournament opens the piece at its start; at the end of the piece the next status
    // update starts it again from the beginning, and not before.
    void musicLoopsAtTheEnd()
    {
        RecordingAudio audio;
        GameSound sound(audio, "/game", 1000);
        sound.cueMusic(MusicCue::Restart);
        sound.cueMusic(MusicCue::Play);
        QCOMPARE(audio.fakeMidi.calls, (QStringList{"open Airy.mid", "rewind", "play"}));
        audio.fakeMidi.calls.clear();
        audio.fakeMidi.setPosition(audio.fakeMidi.length() - 1);
        sound.MMControl1_StatusUpdate();
        QVERIFY(audio.fakeMidi.calls.isEmpty());
        audio.fakeMidi.setPosition(audio.fakeMidi.length());
        sound.MMControl1_StatusUpdate();
        QCOMPARE(audio.fakeMidi.calls, (QStringList{"rewind", "play"}));
        sound.cueMusic(MusicCue::Stop);
        sound.PlayEffect(SoundCue::DropPeg);
        QCOMPARE(audio.fakeMidi.calls.last(), "stop");
        QCOMPARE(audio.effects, QStringList{"DropPeg.wav"});
    }

    // The real players on a machine without a sound card: a missing or broken MIDI file or a
    // missing SoundFont leaves the music closed, quiet and harmless; a missing or broken wave
    // file is silence, and the effect after it still starts.
    void missingFilesAreSilence()
    {
        QTemporaryDir dir;
        QFile garbage(dir.filePath("garbage.mid"));
        QVERIFY(garbage.open(QIODevice::WriteOnly) && garbage.write(QByteArray(4000, '\x5a')) == 4000);
        garbage.close();
        QVERIFY(QFile::copy(garbage.fileName(), dir.filePath("broken.wav")));
        const QString airy = QStringLiteral(TINTRIX_PROGRAM_DIR "/Airy.mid");
        FluidMidiOptions noFont = DefaultFluidMidiOptions();
        noFont.soundFonts = {dir.filePath("none.sf2")};
        for (const auto& [file, options] : {std::pair{dir.filePath("missing.mid"), DefaultFluidMidiOptions()},
                                            std::pair{garbage.fileName(), DefaultFluidMidiOptions()}, std::pair{airy, noFont}}) {
            FluidMidi midi(options);
            QVERIFY2(!midi.open(file), qPrintable(file));
            midi.rewind();
            midi.play();
            QVERIFY(!midi.isOpen() && !midi.isPlaying());
            QCOMPARE(midi.length(), qint64(0));
            QCOMPARE(midi.position(), qint64(0));
        }

        const QString missing = dir.filePath("missing.wav"), broken = dir.filePath("broken.wav");
        const QString good = QStringLiteral(TINTRIX_PROGRAM_DIR "/Change.wav");
        EffectPlayer effects({missing, broken, good});
        QTRY_COMPARE_WITH_TIMEOUT(effects.effect(missing)->status(), QSoundEffect::Error, 5000);
        QTRY_COMPARE_WITH_TIMEOUT(effects.effect(broken)->status(), QSoundEffect::Error, 5000);
        QTRY_COMPARE_WITH_TIMEOUT(effects.effect(good)->status(), QSoundEffect::Ready, 5000);
        effects.play(missing);
        effects.play(broken);
        effects.play(good);
        QVERIFY(effects.effect(good)->isPlaying());
        effects.play(missing); // a new effect cuts off the one still playing
        QVERIFY(!effects.effect(good)->isPlaying());
    }
};

QTEST_GUILESS_MAIN(AudioTest)
#include "test_audio.moc"

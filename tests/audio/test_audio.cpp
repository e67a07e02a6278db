// SPDX-License-Identifier: GPL-3.0-or-later
// The game's sound: which commands reach the music player and when the piece loops, and the
// real players without a sound card, where a missing file or SoundFont is silence, not a crash.
#include "EffectPlayer.h"
#include "FluidMidi.h"
#include "GameSound.h"
#include "MusicControl.h"
#include "RecordingAudio.h"

#include <QSignalSpy>
#include <QtEndian>
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
        QVERIFY(!effects.playable(missing) && !effects.playable(broken) && effects.playable(good));
        // No sound server answers here (a private runtime folder): every effect is silence,
        // and play() neither waits nor fails, nor does an effect stay "playing".
        for (const QString& path : {missing, broken, good, good, missing}) {
            effects.play(path);
            QVERIFY(effects.playing().isEmpty());
        }
        QTest::qWait(100);
    }

    // Wave files as the effects come, and as they may be damaged or of another kind: only
    // 16-bit PCM of one or two channels plays, other chunks are skipped, and a file cut short
    // or without its format is refused rather than read past its end.
    void readsWaveFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("samples"); // 0: refused
        const auto chunk = [](const char* id, const QByteArray& body) {
            QByteArray c(id, 4);
            char length[4];
            qToLittleEndian<quint32>(quint32(body.size()), length);
            return c + QByteArray(length, 4) + body + (body.size() % 2 ? QByteArray(1, '\0') : QByteArray());
        };
        const auto format = [](int tag, int channels, int rate, int bits) {
            char f[16];
            qToLittleEndian<quint16>(quint16(tag), f);
            qToLittleEndian<quint16>(quint16(channels), f + 2);
            qToLittleEndian<quint32>(quint32(rate), f + 4);
            qToLittleEndian<quint32>(quint32(rate * channels * bits / 8), f + 8);
            qToLittleEndian<quint16>(quint16(channels * bits / 8), f + 12);
            qToLittleEndian<quint16>(quint16(bits), f + 14);
            return QByteArray(f, 16);
        };
        const auto wave = [&](const QByteArray& chunks) {
            char length[4];
            qToLittleEndian<quint32>(quint32(4 + chunks.size()), length);
            return QByteArray("RIFF", 4) + QByteArray(length, 4) + "WAVE" + chunks;
        };
        const QByteArray pcm(400, '\x11');
        QTest::newRow("mono") << wave(chunk("fmt ", format(1, 1, 44100, 16)) + chunk("data", pcm)) << 44100 << 1 << 200;
        QTest::newRow("stereo") << wave(chunk("fmt ", format(1, 2, 22050, 16)) + chunk("data", pcm)) << 22050 << 2 << 200;
        QTest::newRow("odd-sized chunk before the format")
            << wave(chunk("LIST", "INFOabc") + chunk("fmt ", format(1, 1, 8000, 16)) + chunk("data", pcm)) << 8000 << 1 << 200;
        QTest::newRow("8-bit") << wave(chunk("fmt ", format(1, 1, 8000, 8)) + chunk("data", pcm)) << 0 << 0 << 0;
        QTest::newRow("compressed") << wave(chunk("fmt ", format(2, 1, 8000, 16)) + chunk("data", pcm)) << 0 << 0 << 0;
        QTest::newRow("six channels") << wave(chunk("fmt ", format(1, 6, 8000, 16)) + chunk("data", pcm)) << 0 << 0 << 0;
        QTest::newRow("data before the format") << wave(chunk("data", pcm) + chunk("fmt ", format(1, 1, 8000, 16))) << 0 << 0 << 0;
        QTest::newRow("cut short") << wave(chunk("fmt ", format(1, 1, 8000, 16)) + chunk("data", pcm)).chopped(100) << 0 << 0 << 0;
        QTest::newRow("no data") << wave(chunk("fmt ", format(1, 1, 8000, 16))) << 0 << 0 << 0;
        QTest::newRow("not a wave") << QByteArray(4000, '\x5a') << 0 << 0 << 0;
    }
    void readsWaveFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, rate);
        QFETCH(int, channels);
        QFETCH(int, samples);
        const WaveSound sound = ReadWave(bytes);
        QCOMPARE(sound.valid(), samples > 0);
        if (samples > 0) {
            QCOMPARE(sound.rate, rate);
            QCOMPARE(sound.channels, channels);
            QCOMPARE(int(sound.samples.size()), samples);
            QCOMPARE(sound.samples.front(), std::int16_t(0x1111));
        }
    }

    // The game's own effects are all readable.
    void gameEffectsAreReadable()
    {
        const QDir built(QStringLiteral(TINTRIX_PROGRAM_DIR));
        for (const char* name : {"Change.wav", "DropPeg.wav", "Gling.wav", "redo.wav"}) {
            QFile file(built.filePath(QLatin1String(name)));
            QVERIFY2(file.open(QIODevice::ReadOnly) && ReadWave(file.readAll()).valid(), name);
        }
    }
};

QTEST_GUILESS_MAIN(AudioTest)
#include "test_audio.moc"

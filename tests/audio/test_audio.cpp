// SPDX-License-Identifier: GPL-3.0-or-later
// The game's sound: which commands reach the music player and when the piece loops, and the
// real players without a sound card, where a missing file or SoundFont is silence, not a crash.
#include "EffectPlayer.h"
#include "FluidMidi.h"
#include "GameSound.h"
#include "MusicControl.h"
#include "RecordingAudio.h"
#include "SoundFontSubset.h"

#include <QSignalSpy>
#include <QtEndian>
#include <QTemporaryDir>
#include <QTest>

using namespace tintrix;
using tintrix::test::FakeMidi;
using tintrix::test::RecordingAudio;

namespace {

QByteArray le16(int v) { return QByteArray(1, char(v & 0xff)) + char((v >> 8) & 0xff); }
QByteArray le32(int v) { return le16(v & 0xffff) + le16(v >> 16); }
QByteArray name20(const QByteArray& name) { return name.leftJustified(20, '\0', true); }
QByteArray chunk(const char* id, const QByteArray& body) { return QByteArray(id, 4) + le32(int(body.size())) + body; }
constexpr int kInstrumentGenerator = 41, kSampleGenerator = 53, kFilterGenerator = 8;

// A SoundFont's preset data: presets (name, bank, program, instruments, the first with a zone
// of its own settings and the last with a modulator) over instruments (name, samples).
struct FontZones {
    struct Preset { QByteArray name; int bank, program; QList<int> instruments; };
    QList<Preset> presets;
    QList<std::pair<QByteArray, QList<int>>> instruments;

    [[nodiscard]] QByteArray presetData() const
    {
        QByteArray phdr, pbag, pmod, pgen, inst, ibag, imod, igen;
        for (const Preset& p : presets) {
            phdr += name20(p.name) + le16(p.program) + le16(p.bank) + le16(int(pbag.size() / 4)) + QByteArray(12, 0);
            if (&p == &presets.front()) {
                pbag += le16(int(pgen.size() / 4)) + le16(int(pmod.size() / 10));
                pgen += le16(kFilterGenerator) + le16(7000);
            }
            for (int i : p.instruments) {
                pbag += le16(int(pgen.size() / 4)) + le16(int(pmod.size() / 10));
                pgen += le16(kInstrumentGenerator) + le16(i);
                if (&p == &presets.back())
                    pmod += le16(2) + le16(kFilterGenerator) + le16(-960) + le16(0) + le16(0);
            }
        }
        phdr += name20("EOP") + le16(0) + le16(0) + le16(int(pbag.size() / 4)) + QByteArray(12, 0);
        pbag += le16(int(pgen.size() / 4)) + le16(int(pmod.size() / 10));
        for (const auto& [name, samples] : instruments) {
            inst += name20(name) + le16(int(ibag.size() / 4));
            for (int sample : samples) {
                ibag += le16(int(igen.size() / 4)) + le16(0);
                igen += le16(kSampleGenerator) + le16(sample);
            }
        }
        inst += name20("EOI") + le16(int(ibag.size() / 4));
        ibag += le16(int(igen.size() / 4)) + le16(0);
        QByteArray shdr;
        for (int sample = 0; sample < 2; ++sample)
            shdr += name20("S" + QByteArray::number(sample)) + le32(sample * 100) + le32(sample * 100 + 80)
                + le32(sample * 100 + 8) + le32(sample * 100 + 72) + le32(22050) + char(60) + char(0) + le16(0) + le16(1);
        shdr += name20("EOS") + QByteArray(26, 0);
        return chunk("phdr", phdr) + chunk("pbag", pbag) + chunk("pmod", pmod + QByteArray(10, 0))
            + chunk("pgen", pgen + QByteArray(4, 0)) + chunk("inst", inst) + chunk("ibag", ibag)
            + chunk("imod", imod + QByteArray(10, 0)) + chunk("igen", igen + QByteArray(4, 0)) + chunk("shdr", shdr);
    }
};

// What preset data says, a preset a line: "name bank:program [own settings] instrument(samples)".
QStringList describePresetData(const QByteArray& list)
{
    QMap<QByteArray, QByteArray> lists;
    for (qsizetype at = 12; at + 8 <= list.size(); at += 8 + qFromLittleEndian<quint32>(list.constData() + at + 4))
        lists[list.mid(at, 4)] = list.mid(at + 8, qFromLittleEndian<quint32>(list.constData() + at + 4));
    const auto u16 = [&](const char* id, qsizetype at) { return int(qFromLittleEndian<quint16>(lists[id].constData() + at)); };
    const auto zones = [&](const char* headers, int size, int bagAt, const char* bags, const char* gens, int h,
                           const std::function<QString(int, int)>& generator) {
        QString text;
        for (int b = u16(headers, h * size + bagAt); b < u16(headers, (h + 1) * size + bagAt); ++b) {
            for (int g = u16(bags, b * 4); g < u16(bags, b * 4 + 4); ++g)
                text += generator(u16(gens, g * 4), u16(gens, g * 4 + 2));
            text += QString(" m").repeated(u16(bags, b * 4 + 6) - u16(bags, b * 4 + 2));
        }
        return text;
    };
    QStringList presets;
    for (int p = 0; p + 1 < lists["phdr"].size() / 38; ++p) {
        const QString head = QString("%1 %2:%3").arg(QString::fromLatin1(lists["phdr"].mid(p * 38, 20).constData()))
                                 .arg(u16("phdr", p * 38 + 22)).arg(u16("phdr", p * 38 + 20));
        presets << head + zones("phdr", 38, 24, "pbag", "pgen", p, [&](int oper, int amount) {
            if (oper != kInstrumentGenerator)
                return QString(" g%1=%2").arg(oper).arg(amount);
            return " " + QString::fromLatin1(lists["inst"].mid(amount * 22, 20).constData()) + "("
                + zones("inst", 22, 20, "ibag", "igen", amount, [](int, int sample) { return QString::number(sample); }) + ")";
        });
    }
    presets << QString("%1 samples").arg(lists["shdr"].size() / 46 - 1);
    return presets;
}

} // namespace

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

    // Cutting a SoundFont down to some programs keeps their presets in every bank, in order,
    // with their own settings, modulators and instruments (renumbered, in their old order),
    // and every sample; preset data that does not hold together is refused.
    void cutsPresetDataDownToPrograms_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QList<int>>("programs");
        QTest::addColumn<QStringList>("presets"); // empty: refused
        const FontZones font{{{"Piano", 0, 0, {0}}, {"Organ", 0, 19, {1}}, {"Kit", 128, 0, {3}}, {"Flute", 0, 73, {2, 1}}},
                             {{"Grand", {0}}, {"Pipes", {1}}, {"Reed", {0, 1}}, {"Drums", {1}}}};
        const QByteArray data = font.presetData();
        QTest::newRow("flute and program 0") << data << QList<int>{0, 73}
                                             << QStringList{"Piano 0:0 g8=7000 Grand(0)", "Kit 128:0 Drums(1)",
                                                            "Flute 0:73 Reed(01) m Pipes(1) m", "2 samples"};
        QTest::newRow("organ alone") << data << QList<int>{19} << QStringList{"Organ 0:19 Pipes(1)", "2 samples"};
        QTest::newRow("no program of the font") << data << QList<int>{5} << QStringList{"2 samples"};
        QTest::newRow("every program") << data << QList<int>{0, 19, 73}
                                       << QStringList{"Piano 0:0 g8=7000 Grand(0)", "Organ 0:19 Pipes(1)", "Kit 128:0 Drums(1)",
                                                      "Flute 0:73 Reed(01) m Pipes(1) m", "2 samples"};
        const qsizetype pgen = data.indexOf("pgen");
        QByteArray badInstrument = data;
        badInstrument[pgen + 8 + 4 + 2] = 9; // the piano's instrument: past the last
        QTest::newRow("instrument out of range") << badInstrument << QList<int>{0} << QStringList{};
        QByteArray backwards = data;
        backwards[data.indexOf("pbag") + 8 + 4] = 7; // the second zone starts after the third
        QTest::newRow("zones out of order") << backwards << QList<int>{0} << QStringList{};
        QTest::newRow("cut short") << data.chopped(30) << QList<int>{0} << QStringList{};
        QTest::newRow("no sample headers") << data.left(data.indexOf("shdr")) << QList<int>{0} << QStringList{};
        QTest::newRow("not preset data") << QByteArray(400, '\x5a') << QList<int>{0} << QStringList{};
    }
    void cutsPresetDataDownToPrograms()
    {
        QFETCH(QByteArray, data);
        QFETCH(QList<int>, programs);
        std::bitset<128> wanted;
        for (int program : programs)
            wanted.set(std::size_t(program));
        const auto cut = SubsetPresetData({reinterpret_cast<const std::uint8_t*>(data.constData()), std::size_t(data.size())}, wanted);
        QFETCH(QStringList, presets);
        QCOMPARE(cut.has_value(), !presets.isEmpty());
        if (cut) {
            const QByteArray list(reinterpret_cast<const char*>(cut->data()), qsizetype(cut->size()));
            QCOMPARE(list.left(4), "LIST");
            QCOMPARE(qFromLittleEndian<quint32>(list.constData() + 4), quint32(list.size() - 8));
            QCOMPARE(describePresetData(list), presets);
        }
    }

    // The piece played from the SoundFont cut down to its programs (a few of its presets) gives
    // exactly the samples it gives from the whole font, from its first note and across a rewind.
    void cutDownFontSoundsTheSame()
    {
        const QStringList fonts = DefaultFluidMidiOptions().soundFonts;
        if (std::none_of(fonts.begin(), fonts.end(), [](const QString& font) { return QFileInfo(font).isFile(); }))
            QSKIP("no General MIDI SoundFont installed");
        int presets[2] = {};
        const auto render = [&presets](bool whole) {
            FluidMidiOptions options = DefaultFluidMidiOptions();
            options.drivers.clear();
            options.wholeSoundFont = whole;
            FluidMidi midi(options);
            std::vector<float> out(std::size_t(2 * options.sampleRate * 14));
            if (!midi.open(QStringLiteral(TINTRIX_PROGRAM_DIR "/Airy.mid")))
                return std::vector<float>{};
            presets[whole] = midi.presetsLoaded();
            midi.play();
            const int step = options.sampleRate;
            for (std::size_t at = 0; at < out.size(); at += std::size_t(2 * step)) {
                if (at == out.size() / 2) { // halfway: the loop, as the game restarts the piece
                    midi.rewind();
                    midi.play();
                }
                if (!midi.renderOffline(out.data() + at, step))
                    return std::vector<float>{};
            }
            return out;
        };
        const std::vector<float> whole = render(true);
        const std::vector<float> cut = render(false);
        QVERIFY(!whole.empty());
        QVERIFY(std::any_of(whole.begin(), whole.end(), [](float v) { return std::abs(v) > 0.01f; }));
        QVERIFY(whole == cut);
        // The piece's six programs, in the melodic and the drum banks.
        QVERIFY2(presets[0] >= 6 && presets[0] * 4 < presets[1], qPrintable(QString("%1 of %2").arg(presets[0]).arg(presets[1])));
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

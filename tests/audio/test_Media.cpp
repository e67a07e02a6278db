// SPDX-License-Identifier: GPL-3.0-or-later
// The generated media in the program's folder: four short, clean wave effects that Qt
// Multimedia loads, and a piece of music of at least a minute that FluidSynth plays and that
// loops without a seam.
#include "MidiFileInfo.h"

#include <QDir>
#include <QFile>
#include <QSoundEffect>
#include <QTest>
#include <QUrl>
#include <QtEndian>

#include <fluidsynth.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <vector>

using namespace tintrix;

namespace {

QString programFile(const QString& name)
{
    return QDir(QStringLiteral(TINTRIX_PROGRAM_DIR)).filePath(name);
}

struct Wave {
    QString error; // empty when the file is a PCM wave file this test understands
    int format = 0;
    int channels = 0;
    int rate = 0;
    int bits = 0;
    std::vector<qint16> samples; // interleaved
};

Wave failed(const char* why)
{
    Wave w;
    w.error = why;
    return w;
}

// Reads a RIFF/WAVE file chunk by chunk, as a player does.
Wave readWave(const QString& path)
{
    Wave w;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return failed("cannot open");
    const QByteArray b = f.readAll();
    if (b.size() < 12 || b.left(4) != "RIFF" || b.mid(8, 4) != "WAVE")
        return failed("not RIFF/WAVE");
    if (qFromLittleEndian<quint32>(b.constData() + 4) != quint32(b.size() - 8))
        return failed("RIFF size does not match the file");
    bool haveFormat = false;
    for (qsizetype pos = 12; pos + 8 <= b.size();) {
        const QByteArray id = b.mid(pos, 4);
        const auto size = qsizetype(qFromLittleEndian<quint32>(b.constData() + pos + 4));
        const char* body = b.constData() + pos + 8;
        if (pos + 8 + size > b.size())
            return failed("chunk runs past the end");
        if (id == "fmt ") {
            w.format = qFromLittleEndian<quint16>(body);
            w.channels = qFromLittleEndian<quint16>(body + 2);
            w.rate = int(qFromLittleEndian<quint32>(body + 4));
            w.bits = qFromLittleEndian<quint16>(body + 14);
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat || w.bits != 16)
                return failed("data before a 16-bit format");
            for (qsizetype i = 0; i + 1 < size; i += 2)
                w.samples.push_back(qFromLittleEndian<qint16>(body + i));
        }
        pos += 8 + size + (size & 1);
    }
    if (w.samples.empty())
        return failed("no samples");
    return w;
}

// What FluidSynth's player sends while the piece is rendered: notes and programs, by tick.
struct Heard {
    struct Note {
        int channel;
        int key;
        int on;
        int off;
    };
    std::vector<Note> notes;
    std::map<int, int> programs; // channel -> program
    fluid_player_t* player = nullptr;
    fluid_synth_t* synth = nullptr;
    std::map<std::pair<int, int>, std::size_t> sounding;
};

int listen(void* data, fluid_midi_event_t* event)
{
    auto* heard = static_cast<Heard*>(data);
    const int tick = fluid_player_get_current_tick(heard->player);
    const int type = fluid_midi_event_get_type(event);
    const int channel = fluid_midi_event_get_channel(event);
    if (type == 0xc0)
        heard->programs[channel] = fluid_midi_event_get_program(event);
    const bool on = type == 0x90 && fluid_midi_event_get_velocity(event) > 0;
    const bool off = type == 0x80 || (type == 0x90 && !on);
    const std::pair key{channel, fluid_midi_event_get_key(event)};
    if (on) {
        heard->sounding[key] = heard->notes.size();
        heard->notes.push_back({channel, key.second, tick, -1});
    } else if (off && heard->sounding.contains(key)) {
        heard->notes[heard->sounding[key]].off = tick;
        heard->sounding.erase(key);
    }
    return fluid_synth_handle_midi_event(heard->synth, event);
}

} // namespace

class MediaTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level)
            fluid_set_log_function(level, nullptr, nullptr);
    }

    void waves_data()
    {
        QTest::addColumn<QString>("name");
        for (const char* name : {"Change.wav", "DropPeg.wav", "Gling.wav", "redo.wav"})
            QTest::newRow(name) << QString(name);
    }

    // Each effect is 16-bit PCM at 44.1 kHz, shorter than a second, audible but never at
    // full scale, and starts and ends on silence (no click at either end).
    void waves()
    {
        QFETCH(QString, name);
        const Wave w = readWave(programFile(name));
        QVERIFY2(w.error.isEmpty(), qPrintable(w.error));
        QCOMPARE(w.format, 1);
        QVERIFY(w.channels == 1 || w.channels == 2);
        QCOMPARE(w.rate, 44100);
        QCOMPARE(w.bits, 16);
        const double seconds = double(w.samples.size()) / w.channels / w.rate;
        QVERIFY2(seconds > 0.02 && seconds < 1.0, qPrintable(QString::number(seconds)));

        int peak = 0;
        for (qint16 s : w.samples)
            peak = std::max(peak, std::abs(int(s)));
        QVERIFY2(peak > 8000, qPrintable(QString("peak %1 is too quiet").arg(peak)));
        QVERIFY2(peak < 32000, qPrintable(QString("peak %1 reaches full scale").arg(peak)));

        // Below 1% of full scale over the first 0.1 ms and the last 0.4 ms.
        const std::size_t head = std::size_t(4 * w.channels);
        const std::size_t tail = std::size_t(16 * w.channels);
        for (std::size_t i = 0; i < tail; ++i) {
            if (i < head)
                QVERIFY2(std::abs(int(w.samples[i])) < 328, qPrintable(QString("sample %1").arg(i)));
            QVERIFY2(std::abs(int(w.samples[w.samples.size() - 1 - i])) < 328, qPrintable(QString("sample -%1").arg(i)));
        }
        QCOMPARE(w.samples.front(), qint16(0));
        QCOMPARE(w.samples.back(), qint16(0));
    }

    // The game's own wave library accepts each file.
    void wavesLoadInQtMultimedia()
    {
        QFETCH(QString, name);
        QSoundEffect effect;
        effect.setSource(QUrl::fromLocalFile(programFile(name)));
        QTRY_COMPARE_WITH_TIMEOUT(effect.status(), QSoundEffect::Ready, 5000);
    }
    void wavesLoadInQtMultimedia_data() { waves_data(); }

    // Airy.mid is a format-1 file of several tracks that our reader and FluidSynth's player
    // agree on, and it lasts at least a minute.
    void musicFile()
    {
        const QString path = programFile("Airy.mid");
        QVERIFY(fluid_is_midifile(QFile::encodeName(path).constData()));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        const MidiFileInfo info = ReadMidiFileInfo({reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size())});
        QVERIFY(info.valid);
        QCOMPARE(info.format, 1);
        QVERIFY(info.tracks >= 4);
        QVERIFY2(info.durationMs >= 60'000 && info.durationMs <= 300'000, qPrintable(QString::number(info.durationMs)));
    }

    // Played through FluidSynth: several instruments; sound from the first beat to the last,
    // with no gap of a beat or more anywhere; and the last chord rests on the dominant of the
    // first, so that the loop leads back into the opening.
    void musicPlaysAndLoopsWithoutASeam()
    {
        const QString path = programFile("Airy.mid");
        fluid_settings_t* settings = new_fluid_settings();
        fluid_synth_t* synth = new_fluid_synth(settings);
        fluid_player_t* player = new_fluid_player(synth);
        Heard heard;
        heard.player = player;
        heard.synth = synth;
        fluid_player_set_playback_callback(player, listen, &heard);
        QCOMPARE(fluid_player_add(player, QFile::encodeName(path).constData()), FLUID_OK);
        QCOMPARE(fluid_player_play(player), FLUID_OK);
        // No SoundFont is needed to follow the events; only time has to pass.
        std::vector<float> block(2 * 4096);
        for (int i = 0; i < 2000 && fluid_player_get_status(player) == FLUID_PLAYER_PLAYING; ++i)
            fluid_synth_write_float(synth, 4096, block.data(), 0, 2, block.data(), 1, 2);
        const int total = fluid_player_get_total_ticks(player);
        delete_fluid_player(player);
        delete_fluid_synth(synth);
        delete_fluid_settings(settings);

        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        const MidiFileInfo info = ReadMidiFileInfo({reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size())});
        QCOMPARE(qint64(total), qint64(info.totalTicks));

        std::set<int> melodic;
        for (const auto& [channel, program] : heard.programs) {
            if (channel != 9)
                melodic.insert(program);
        }
        QVERIFY2(melodic.size() >= 4, qPrintable(QString("%1 instruments").arg(melodic.size())));
        QVERIFY(!heard.notes.empty());

        const int beat = info.ticksPerQuarter;
        std::vector<std::pair<int, int>> spans; // (on, off), off -1 = never released
        for (const Heard::Note& n : heard.notes)
            spans.push_back({n.on, n.off < 0 ? total : n.off});
        std::sort(spans.begin(), spans.end());
        QVERIFY2(spans.front().first < beat, "the piece must start at once");
        int reach = spans.front().second;
        for (const auto& [on, off] : spans) {
            QVERIFY2(on - reach < beat, qPrintable(QString("silence at tick %1").arg(reach)));
            reach = std::max(reach, off);
        }
        QVERIFY2(total - reach < beat, "the piece must not end on silence");

        // Lowest notes of the opening and closing chords (pitch classes).
        auto lowest = [&](auto inChord) {
            int low = 128;
            for (const Heard::Note& n : heard.notes) {
                if (n.channel != 9 && inChord(n))
                    low = std::min(low, n.key);
            }
            return low % 12;
        };
        const int first = lowest([&](const Heard::Note& n) { return n.on < beat; });
        const int last = lowest([&](const Heard::Note& n) { return (n.off < 0 ? total : n.off) >= total - beat; });
        QCOMPARE((last - first + 12) % 12, 7);
    }
};

QTEST_GUILESS_MAIN(MediaTest)
#include "test_Media.moc"

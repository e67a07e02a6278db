// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a MIDI file's length before playing it: well-formed files of every shape, and the
// damaged ones that must be refused rather than misread.
#include "MidiFileInfo.h"

#include <QTest>

#include <initializer_list>
#include <vector>

using namespace tintrix;

namespace {

using Bytes = std::vector<std::uint8_t>;

void append(Bytes& b, std::initializer_list<int> values)
{
    for (int v : values)
        b.push_back(std::uint8_t(v));
}

Bytes header(int format, int tracks, int division)
{
    Bytes b{'M', 'T', 'h', 'd', 0, 0, 0, 6};
    append(b, {0, format, tracks >> 8, tracks & 0xff, division >> 8, division & 0xff});
    return b;
}

// A chunk whose length field counts the body as given (use 'declared' to lie about it).
void chunk(Bytes& file, const char* id, const Bytes& body, long declared = -1)
{
    file.insert(file.end(), id, id + 4);
    const auto n = std::uint32_t(declared < 0 ? long(body.size()) : declared);
    append(file, {int(n >> 24), int((n >> 16) & 0xff), int((n >> 8) & 0xff), int(n & 0xff)});
    file.insert(file.end(), body.begin(), body.end());
}

// A track: note on at 0, a running-status note off after 'ticks', End of Track.
Bytes noteTrack(int ticks)
{
    Bytes t;
    append(t, {0x00, 0x90, 60, 100});
    // delta as a two-byte quantity when needed
    if (ticks > 127)
        append(t, {0x80 | (ticks >> 7), ticks & 0x7f});
    else
        append(t, {ticks});
    append(t, {60, 0, 0x00, 0xff, 0x2f, 0x00});
    return t;
}

Bytes tempoTrack(std::initializer_list<std::pair<int, int>> deltaAndMicros, int endDelta)
{
    Bytes t;
    for (const auto& [delta, micros] : deltaAndMicros) {
        if (delta > 127)
            append(t, {0x80 | (delta >> 7), delta & 0x7f});
        else
            append(t, {delta});
        append(t, {0xff, 0x51, 0x03, micros >> 16, (micros >> 8) & 0xff, micros & 0xff});
    }
    append(t, {endDelta, 0xff, 0x2f, 0x00});
    return t;
}

MidiFileInfo read(const Bytes& b)
{
    return ReadMidiFileInfo(b);
}

} // namespace

class MidiFileInfoTest : public QObject {
    Q_OBJECT
private slots:
    // Length is the longest track in ticks, and duration follows tempo changes from any
    // track, with 120 beats a minute before the first.
    void lengthAndDuration_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("tracks");
        QTest::addColumn<qint64>("ticks");
        QTest::addColumn<qint64>("ms");
        auto bytes = [](const Bytes& b) { return QByteArray(reinterpret_cast<const char*>(b.data()), qsizetype(b.size())); };

        Bytes single = header(0, 1, 480);
        chunk(single, "MTrk", noteTrack(960));
        QTest::newRow("format 0, default tempo") << bytes(single) << 1 << qint64(960) << qint64(1000);

        Bytes longest = header(1, 3, 96);
        chunk(longest, "MTrk", tempoTrack({{0, 1'000'000}}, 0));
        chunk(longest, "MTrk", noteTrack(96));
        chunk(longest, "MTrk", noteTrack(300));
        QTest::newRow("longest track wins") << bytes(longest) << 3 << qint64(300) << qint64(3125);

        // one second a beat for a beat, then half a second a beat for two beats
        Bytes change = header(1, 2, 480);
        chunk(change, "MTrk", tempoTrack({{0, 1'000'000}, {480, 500'000}}, 0));
        chunk(change, "MTrk", noteTrack(1440));
        QTest::newRow("tempo change") << bytes(change) << 2 << qint64(1440) << qint64(2000);

        // a tempo change at the very end changes nothing that is heard
        Bytes late = header(1, 1, 480);
        chunk(late, "MTrk", tempoTrack({{480, 250'000}}, 0));
        QTest::newRow("tempo at the end") << bytes(late) << 1 << qint64(480) << qint64(500);

        Bytes foreign = header(1, 1, 480);
        chunk(foreign, "XFIH", Bytes(10, 0x7f));
        chunk(foreign, "MTrk", noteTrack(480));
        QTest::newRow("unknown chunk skipped") << bytes(foreign) << 1 << qint64(480) << qint64(500);

        // bytes after End of Track inside the chunk are ignored
        Bytes trailing = header(0, 1, 480);
        Bytes body = noteTrack(480);
        append(body, {0x10, 0x90, 64, 100});
        chunk(trailing, "MTrk", body);
        QTest::newRow("data after End of Track") << bytes(trailing) << 1 << qint64(480) << qint64(500);

        // sysex and program change (one data byte) in the stream
        Bytes mixed = header(0, 1, 480);
        Bytes events;
        append(events, {0x00, 0xf0, 0x03, 0x7e, 0x09, 0xf7, 0x00, 0xc0, 5, 0x60, 0xc0 | 1, 7, 0x00, 0xff, 0x2f, 0x00});
        chunk(mixed, "MTrk", events);
        QTest::newRow("sysex and programs") << bytes(mixed) << 1 << qint64(0x60) << qint64(100);
    }
    void lengthAndDuration()
    {
        QFETCH(QByteArray, file);
        const MidiFileInfo info = ReadMidiFileInfo({reinterpret_cast<const std::uint8_t*>(file.constData()), std::size_t(file.size())});
        QVERIFY(info.valid);
        QTEST(info.tracks, "tracks");
        QTEST(qint64(info.totalTicks), "ticks");
        QTEST(qint64(info.durationMs), "ms");
    }

    // Damaged or unsupported files are refused, never half-read.
    void damagedFilesAreRefused()
    {
        QVERIFY(!read({}).valid);
        QVERIFY(!read(header(0, 1, 480)).valid); // no track chunk

        Bytes wrongMagic = header(0, 1, 480);
        wrongMagic[1] = 'X';
        chunk(wrongMagic, "MTrk", noteTrack(10));
        QVERIFY(!read(wrongMagic).valid);

        Bytes smpte = header(0, 1, 0xe728); // 25 frames, 40 ticks a frame
        chunk(smpte, "MTrk", noteTrack(10));
        QVERIFY(!read(smpte).valid);

        Bytes noTracks = header(1, 0, 480);
        QVERIFY(!read(noTracks).valid);

        Bytes badFormat = header(3, 1, 480);
        chunk(badFormat, "MTrk", noteTrack(10));
        QVERIFY(!read(badFormat).valid);

        Bytes missingTrack = header(1, 2, 480);
        chunk(missingTrack, "MTrk", noteTrack(10));
        QVERIFY(!read(missingTrack).valid);

        Bytes overlong = header(0, 1, 480);
        chunk(overlong, "MTrk", noteTrack(10), 500);
        QVERIFY(!read(overlong).valid);

        Bytes cutEvent = header(0, 1, 480);
        chunk(cutEvent, "MTrk", Bytes{0x00, 0x90, 60});
        QVERIFY(!read(cutEvent).valid);

        Bytes noRunningStatus = header(0, 1, 480);
        chunk(noRunningStatus, "MTrk", Bytes{0x00, 60, 100, 0x00, 0xff, 0x2f, 0x00});
        QVERIFY(!read(noRunningStatus).valid);

        Bytes endlessDelta = header(0, 1, 480);
        chunk(endlessDelta, "MTrk", Bytes{0x81, 0x81, 0x81, 0x81, 0x01, 0xff, 0x2f, 0x00});
        QVERIFY(!read(endlessDelta).valid);

        Bytes metaPastEnd = header(0, 1, 480);
        chunk(metaPastEnd, "MTrk", Bytes{0x00, 0xff, 0x03, 0x40, 'A'});
        QVERIFY(!read(metaPastEnd).valid);

        Bytes systemMessage = header(0, 1, 480);
        chunk(systemMessage, "MTrk", Bytes{0x00, 0xf8, 0x00, 0xff, 0x2f, 0x00});
        QVERIFY(!read(systemMessage).valid);
    }

    // Every prefix of a good file is refused or, if it happens to end cleanly, read without
    // running past its end.
    void everyTruncationIsSafe()
    {
        Bytes file = header(1, 2, 480);
        chunk(file, "MTrk", tempoTrack({{0, 600'000}}, 0));
        chunk(file, "MTrk", noteTrack(1000));
        for (std::size_t n = 0; n < file.size(); ++n) {
            const MidiFileInfo info = read(Bytes(file.begin(), file.begin() + long(n)));
            QVERIFY2(!info.valid, qPrintable(QString("prefix of %1 bytes read as valid").arg(n)));
        }
        QVERIFY(read(file).valid);
    }
};

QTEST_GUILESS_MAIN(MidiFileInfoTest)
#include "test_MidiFileInfo.moc"

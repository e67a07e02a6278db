// SPDX-License-Identifier: GPL-3.0-or-later
// The effects and the music through a real sound server: a private PulseAudio with a null
// sink, started for this test, so that no sound card is needed. Its streams show whether a
// sound plays, is cut off or goes on, and lets the server go when it ends.
#include "EffectPlayer.h"
#include "FluidMidi.h"

#include <QAudioDevice>
#include <QDir>
#include <QMediaDevices>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace tintrix;

namespace {
const QString kGood = QDir::cleanPath(QStringLiteral(TINTRIX_PROGRAM_DIR "/Change.wav"));
const QString kOther = QDir::cleanPath(QStringLiteral(TINTRIX_PROGRAM_DIR "/Gling.wav"));
} // namespace

class EffectsTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_home;
    QProcess m_server;

    // The streams playing into the server, a line each, its number first.
    QStringList streamList()
    {
        QProcess pactl;
        pactl.start(QStringLiteral("pactl"), {QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("sink-inputs")});
        if (!pactl.waitForFinished(10000) || pactl.exitCode() != 0)
            return {QStringLiteral("no answer")};
        return QString::fromLocal8Bit(pactl.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    }
    int streams() { return streamList() == QStringList{"no answer"} ? -1 : int(streamList().size()); }

private slots:
    void initTestCase()
    {
        const QString pulseaudio = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
        if (pulseaudio.isEmpty() || QStandardPaths::findExecutable(QStringLiteral("pactl")).isEmpty())
            QSKIP("pulseaudio and pactl are needed to play effects through a server (scripts/install-deps.sh installs them)");
        const QDir home(m_home.path());
        QVERIFY(home.mkpath("run") && QFile::setPermissions(home.filePath("run"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        // Before Qt Multimedia first looks for the server. The server ends by itself 5 s after its
        // last client, should this test end without stopping it.
        qputenv("HOME", m_home.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", home.filePath("config").toLocal8Bit());
        qputenv("XDG_RUNTIME_DIR", home.filePath("run").toLocal8Bit());
        qunsetenv("PULSE_SERVER");
        m_server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_server.start(pulseaudio, {"-n", "--daemonize=no", "--exit-idle-time=5", "--use-pid-file=no",
                                    "--load=module-native-protocol-unix", "--load=module-null-sink"});
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(home.filePath("run/pulse/native")) || m_server.state() == QProcess::NotRunning, 10000);
        if (m_server.state() == QProcess::NotRunning || streams() < 0)
            QSKIP("no PulseAudio server could be started here");
        QTRY_VERIFY_WITH_TIMEOUT(!QMediaDevices::defaultAudioOutput().isNull(), 10000);
    }

    void cleanupTestCase()
    {
        if (m_server.state() != QProcess::NotRunning) {
            m_server.terminate();
            m_server.waitForFinished(10000);
        }
    }

    // An effect plays as one stream; the next effect, even a missing one, cuts it off, and an
    // effect that ends lets its stream go, so that a game at rest keeps nothing open.
    void effectsCutOffAndEnd()
    {
        const QString missing = m_home.filePath("missing.wav");
        EffectPlayer effects({kGood});
        effects.play(kGood);
        QCOMPARE(effects.playing(), kGood);
        QTRY_COMPARE_WITH_TIMEOUT(streams(), 1, 10000);
        effects.play(kOther);
        QCOMPARE(effects.playing(), kOther);
        QTRY_COMPARE_WITH_TIMEOUT(streams(), 1, 10000);
        QTest::qWait(50);
        QCOMPARE(streams(), 1);
        effects.play(missing);
        QVERIFY(effects.playing().isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(streams(), 0, 10000);

        effects.play(kGood);
        QCOMPARE(effects.playing(), kGood);
        QTRY_COMPARE_WITH_TIMEOUT(effects.playing(), QString(), 10000);
        QTRY_COMPARE_WITH_TIMEOUT(streams(), 0, 10000);
    }

    // The music plays as one stream; starting the piece again (at its end, or for a new game)
    // keeps that stream, so nothing is cut off at the loop point, and a stop lets it go once
    // the released notes have faded.
    void musicStreamGoesOnAcrossTheLoop()
    {
        FluidMidi midi;
        if (!midi.open(QStringLiteral(TINTRIX_PROGRAM_DIR "/Airy.mid")))
            QSKIP("no General MIDI SoundFont installed");
        midi.play();
        QVERIFY(midi.hasAudioDriver());
        QTRY_COMPARE_WITH_TIMEOUT(streams(), 1, 10000);
        const QStringList stream = streamList();
        QTRY_VERIFY_WITH_TIMEOUT(midi.position() > midi.length() / 20, 20000);
        midi.rewind();
        QVERIFY(midi.isPlaying() && midi.position() < midi.length() / 20);
        QTRY_VERIFY_WITH_TIMEOUT(midi.position() > 0, 10000);
        QCOMPARE(streamList(), stream);
        midi.stop();
        QVERIFY(midi.hasAudioDriver());
        QTRY_COMPARE_WITH_TIMEOUT(streams(), 0, 10000);
        QVERIFY(!midi.hasAudioDriver());
    }
};

QTEST_GUILESS_MAIN(EffectsTest)
#include "test_effects.moc"

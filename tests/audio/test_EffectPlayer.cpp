// SPDX-License-Identifier: GPL-3.0-or-later
// Wave effects on Qt Multimedia without a sound card: loaded ahead, started at once, a new
// effect cutting off the old one, and missing files as silence.
#include "EffectPlayer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QTest>

using namespace tintrix;

namespace {
QString programFile(const QString& name)
{
    return QDir(QStringLiteral(TINTRIX_PROGRAM_DIR)).filePath(name);
}

QStringList allEffects()
{
    return {programFile("Change.wav"), programFile("DropPeg.wav"), programFile("Gling.wav"), programFile("redo.wav")};
}
} // namespace

class EffectPlayerTest : public QObject {
    Q_OBJECT
private slots:
    // The effects named at creation are decoded before any is played, so a click never waits
    // for a file.
    void effectsAreLoadedAhead()
    {
        EffectPlayer effects(allEffects());
        for (const QString& path : allEffects()) {
            const QSoundEffect* e = effects.effect(path);
            QVERIFY(e);
            QTRY_COMPARE_WITH_TIMEOUT(e->status(), QSoundEffect::Ready, 5000);
            QVERIFY(!e->isPlaying());
        }
    }

    // A new effect stops the one still playing; the same effect again starts over. Without a
    // sound card Qt never reports the end of an effect, so nothing may wait for one.
    void aNewEffectCutsOffTheOld()
    {
        EffectPlayer effects(allEffects());
        const QString drop = programFile("DropPeg.wav");
        const QString gling = programFile("Gling.wav");
        QTRY_COMPARE_WITH_TIMEOUT(effects.effect(gling)->status(), QSoundEffect::Ready, 5000);
        QTRY_COMPARE_WITH_TIMEOUT(effects.effect(drop)->status(), QSoundEffect::Ready, 5000);

        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < 4; ++i)
            effects.play(drop);
        effects.play(gling);
        QVERIFY(clock.elapsed() < 1000);
        QVERIFY(effects.effect(gling)->isPlaying());
        QVERIFY(!effects.effect(drop)->isPlaying());

        effects.play(drop);
        QVERIFY(effects.effect(drop)->isPlaying());
        QVERIFY(!effects.effect(gling)->isPlaying());
    }

    // Paths are matched however they are spelled, so a file is never loaded twice.
    void aPathIsLoadedOnce()
    {
        EffectPlayer effects({programFile("Change.wav")});
        const QDir folder(QStringLiteral(TINTRIX_PROGRAM_DIR));
        const QString other = folder.path() + "/../" + folder.dirName() + "/./Change.wav";
        effects.play(other);
        QCOMPARE(effects.effect(other), effects.effect(programFile("Change.wav")));
    }

    // A file not named at creation is loaded on its first use and starts once decoded,
    // without blocking the call.
    void anUnnamedFileLoadsOnFirstUse()
    {
        QTemporaryDir dir;
        const QString copy = dir.filePath("late.wav");
        QVERIFY(QFile::copy(programFile("redo.wav"), copy));
        EffectPlayer effects(allEffects());
        QVERIFY(!effects.effect(copy));
        QElapsedTimer clock;
        clock.start();
        effects.play(copy);
        QVERIFY(clock.elapsed() < 1000);
        QVERIFY(effects.effect(copy));
        QTRY_COMPARE_WITH_TIMEOUT(effects.effect(copy)->status(), QSoundEffect::Ready, 5000);
        QTRY_VERIFY_WITH_TIMEOUT(effects.effect(copy)->isPlaying(), 5000);
    }

    // A missing or broken file is silence, and the effects after it still play.
    void missingFilesAreSilence()
    {
        QTemporaryDir dir;
        QFile broken(dir.filePath("broken.wav"));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("RIFF\x10\0\0\0WAVEjunkjunk", 20);
        broken.close();
        const QString missing = dir.filePath("missing.wav");

        EffectPlayer effects({missing, broken.fileName(), programFile("Change.wav")});
        QTRY_COMPARE_WITH_TIMEOUT(effects.effect(missing)->status(), QSoundEffect::Error, 5000);
        QTRY_COMPARE_WITH_TIMEOUT(effects.effect(broken.fileName())->status(), QSoundEffect::Error, 5000);
        effects.play(missing);
        effects.play(broken.fileName());
        QVERIFY(!effects.effect(missing)->isPlaying());
        QTRY_COMPARE_WITH_TIMEOUT(effects.effect(programFile("Change.wav"))->status(), QSoundEffect::Ready, 5000);
        effects.play(programFile("Change.wav"));
        QVERIFY(effects.effect(programFile("Change.wav"))->isPlaying());
    }
};

QTEST_GUILESS_MAIN(EffectPlayerTest)
#include "test_EffectPlayer.moc"

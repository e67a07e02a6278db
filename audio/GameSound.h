// SPDX-License-Identifier: GPL-3.0-or-later
// The game's sound: its effects by cue, and the background music that loops.
#pragma once

#include "Cues.h"

// Qt
#include <QObject>
#include <QString>
#include <QStringList>

namespace tintrix {

class AudioBackend;
class MusicControl;

/** The wave files of the effects, in the program's folder, loaded once at start-up. */
[[nodiscard]] QStringList EffectFiles(const QString& programFolder);

/** Plays the game's cues on a sound system: effects from the program's folder, and the piece
 *  "Airy.mid" as background music, started again from its beginning whenever it ends. */
class GameSound : public QObject {
    Q_OBJECT
public:
    GameSound(AudioBackend& audio, QString programFolder, int statusIntervalMs, QObject* parent = nullptr);

    void PlayEffect(SoundCue cue);
    void cueMusic(MusicCue cue);
    /** The music control's regular report: at the end of the piece, start it again. */
    void MMControl1_StatusUpdate();

    [[nodiscard]] MusicControl& music() { return *MMControl1; }

private:
    AudioBackend& m_audio;
    QString m_programFolder;
    MusicControl* MMControl1 = nullptr; // background music
};

} // namespace tintrix

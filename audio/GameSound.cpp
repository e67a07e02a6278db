// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameSound.h"

#include "AudioBackend.h"
#include "MusicControl.h"

namespace tintrix {

namespace {
QString EffectName(SoundCue cue)
{
    switch (cue) {
    case SoundCue::Change: return QStringLiteral("Change.wav");
    case SoundCue::DropPeg: return QStringLiteral("DropPeg.wav");
    case SoundCue::Gling: return QStringLiteral("Gling.wav");
    case SoundCue::Redo: return QStringLiteral("redo.wav");
    }
    return {};
}
} // namespace

QStringList EffectFiles(const QString& programFolder)
{
    QStringList files;
    for (const SoundCue cue : {SoundCue::Change, SoundCue::DropPeg, SoundCue::Gling, SoundCue::Redo})
        files << programFolder + '/' + EffectName(cue);
    return files;
}

GameSound::GameSound(AudioBackend& audio, QString programFolder, int statusIntervalMs, QObject* parent)
    : QObject(parent), m_audio(audio), m_programFolder(std::move(programFolder))
{
    MMControl1 = new MusicControl(m_audio.midi(), statusIntervalMs, this);
    MMControl1->setObjectName("MMControl1");
    connect(MMControl1, &MusicControl::StatusUpdate, this, &GameSound::MMControl1_StatusUpdate);
}

void GameSound::PlayEffect(SoundCue cue)
{
    m_audio.playEffect(m_programFolder + '/' + EffectName(cue));
}

void GameSound::cueMusic(MusicCue cue)
{
    switch (cue) {
    case MusicCue::Restart:
        MMControl1->setFileName(m_programFolder + "/Airy.mid");
        MMControl1->setCommand("open");
        MMControl1->setCommand("next");
        break;
    case MusicCue::Play:
        MMControl1->setCommand("play");
        break;
    case MusicCue::Stop:
        MMControl1->setCommand("stop");
        break;
    }
}

void GameSound::MMControl1_StatusUpdate()
{
    if (MMControl1->position() >= MMControl1->length()) {
        MMControl1->setCommand("next");
        MMControl1->setCommand("play");
    }
}

} // namespace tintrix

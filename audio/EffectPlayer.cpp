// SPDX-License-Identifier: GPL-3.0-or-later
#include "EffectPlayer.h"

// Qt
#include <QDir>
#include <QSoundEffect>
#include <QUrl>

namespace tintrix {

EffectPlayer::EffectPlayer(const QStringList& preload)
{
    for (const QString& path : preload)
        load(path);
}

EffectPlayer::~EffectPlayer() = default;

QSoundEffect* EffectPlayer::load(const QString& path)
{
    const QString key = QDir::cleanPath(path);
    auto it = m_effects.find(key);
    if (it == m_effects.end()) {
        // setSource only starts the decoding; the effect becomes Ready (or Error) later.
        auto effect = std::make_unique<QSoundEffect>();
        effect->setSource(QUrl::fromLocalFile(key));
        it = m_effects.emplace(key, std::move(effect)).first;
    }
    return it->second.get();
}

void EffectPlayer::play(const QString& path)
{
    QSoundEffect* next = load(path);
    // Never wait for the previous effect to end: without an audio device Qt never reports
    // that it has.
    if (m_current)
        m_current->stop();
    m_current = next;
    // An effect still loading starts once it is ready; one that failed stays silent.
    next->play();
}

const QSoundEffect* EffectPlayer::effect(const QString& path) const
{
    const auto it = m_effects.find(QDir::cleanPath(path));
    return it == m_effects.end() ? nullptr : it->second.get();
}

} // namespace tintrix

// SPDX-License-Identifier: GPL-3.0-or-later
// Short wave effects on Qt Multimedia, one at a time.
#pragma once

// Qt
#include <QString>
#include <QStringList>

// Std
#include <map>
#include <memory>

class QSoundEffect;

namespace tintrix {

/** Plays wave files without waiting. Each file is decoded once, in the background, the first
 *  time it is named (to the constructor or to play()), and kept. Starting an effect stops the
 *  one still playing. A file that is missing or cannot be decoded plays as silence. */
class EffectPlayer {
public:
    explicit EffectPlayer(const QStringList& preload);
    ~EffectPlayer();
    EffectPlayer(const EffectPlayer&) = delete;
    EffectPlayer& operator=(const EffectPlayer&) = delete;

    /** Starts the effect at path at once and returns. */
    void play(const QString& path);

    /** The loaded effect for path, or null when it was never named. */
    [[nodiscard]] const QSoundEffect* effect(const QString& path) const;

private:
    QSoundEffect* load(const QString& path);

    std::map<QString, std::unique_ptr<QSoundEffect>> m_effects; // by clean path
    QSoundEffect* m_current = nullptr;
};

} // namespace tintrix

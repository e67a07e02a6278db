// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up: from nothing to the board window showing level 1, wired to the high scores and
// the sound system.
#pragma once

#include <QString>

#include <functional>
#include <memory>

namespace tintrix {

class AudioBackend;
class Form1;
class GameSound;
class HighScoreBook;

/** What start-up brings to life; it lives until the program ends. */
struct Program {
    std::unique_ptr<HighScoreBook> scores;
    std::unique_ptr<AudioBackend> audio;
    std::unique_ptr<GameSound> sound;
    std::unique_ptr<Form1> board;
    Program();
    Program(Program&&) noexcept;
    ~Program();
};

/** What a test or a benchmark may change about the program; a player's program has none of it. */
struct StartOptions {
    /** Hears the name of each start-up step as it completes. */
    std::function<void(const QString&)> step = nullptr;
    /** Replaces the clock-seeded secrets. */
    std::function<float()> random = nullptr;
    /** Multiplies every timer of the program: the splash, the banners, the dropping pegs and
     *  the music's status checks. */
    double timeScale = 1.0;
};

/** Runs the start-up steps in order, each complete before the next: the splash (until it has
 *  closed itself), the high score table, the board window with the stored preferences, the
 *  feedback pictures, the colour bars and buttons, level 1, and the window shown. No secret is
 *  drawn and no music plays. makeAudio builds the sound system. */
[[nodiscard]] Program Main(const QString& programFolder,
                           const std::function<std::unique_ptr<AudioBackend>()>& makeAudio,
                           StartOptions options = {});

} // namespace tintrix

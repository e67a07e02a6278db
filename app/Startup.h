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

/** Runs the start-up steps in order, each complete before the next: the splash (until it has
 *  closed itself), the high score table, the board window with the stored preferences, the
 *  feedback pictures, the colour bars and buttons, level 1, and the window shown. No secret is
 *  drawn and no music plays. makeAudio builds the sound system; step, when given, hears the
 *  name of each step as it completes. random, when given, replaces the clock-seeded secrets. */
[[nodiscard]] Program Main(const QString& programFolder,
                           const std::function<std::unique_ptr<AudioBackend>()>& makeAudio,
                           const std::function<void(const QString&)>& step = {},
                           std::function<float()> random = {});

} // namespace tintrix

// SPDX-License-Identifier: GPL-3.0-or-later
// What the game asks of the sound system.
#pragma once

namespace tintrix {

/** The sound effects of the game. */
enum class SoundCue {
    Change,  ///< a colour picked or a peg put in a hole
    DropPeg, ///< a feedback peg dropped
    Gling,   ///< a row matched the secret
    Redo,    ///< a row cleared or repeated
};

/** What the background music is told to do. */
enum class MusicCue {
    Restart, ///< a tournament starts: open the piece and go back to its beginning
    Play,    ///< play from where the piece stands
    Stop,    ///< stop, keeping the position
};

} // namespace tintrix

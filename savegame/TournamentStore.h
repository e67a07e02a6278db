// SPDX-License-Identifier: GPL-3.0-or-later
// The tournament in progress on disk: one small file in the player's data folder, replaced
// atomically at every change, guarded by a lock so that one running copy of the game owns it.
#pragma once

#include "SavedGame.h"

// Qt
#include <QLockFile>
#include <QString>

// Std
#include <functional>
#include <memory>
#include <optional>

namespace tintrix {

/** The file's name in the data folder; a file that is not trusted is moved aside to this name
 *  with kRefusedSuffix added (and a number when that name is taken). */
inline constexpr char kTournamentFileName[] = "tournament.sav";
inline constexpr char kRefusedSuffix[] = ".refused";

/** The kept tournament of one data folder. Reads and writes only after claim() has taken the
 *  folder's lock, which it holds until it is destroyed: a second running copy gets no claim,
 *  and then never reads, writes or removes the file. Never follows a link under the file's
 *  name, never writes over or removes anything it did not write itself. */
class TournamentStore {
public:
    explicit TournamentStore(QString folder);
    ~TournamentStore();

    enum class Claim {
        Mine,     ///< this store reads and writes the kept tournament
        Busy,     ///< another running copy of the game holds it
        NoFolder, ///< the data folder cannot be made or written
    };
    /** Takes the folder's lock for as long as this store lives. A lock left by a copy that has
     *  died is taken over. */
    Claim claim();
    [[nodiscard]] bool claimed() const { return m_claimed; }

    /** Why a file under the name was not trusted. */
    enum class Refusal { None, Damaged, Newer, NotOurs, Link, Folder, Unreadable };

    struct Loaded {
        std::optional<SavedGame> game;  ///< a tournament, checked by the rules
        Refusal refusal = Refusal::None;
        QString movedTo;                ///< where the refused thing now is; empty: left in place
    };

    /** Reads the kept tournament. Anything else under the file's name is moved aside once
     *  (the link itself, never what it points to); when that fails it stays where it is and
     *  this store writes nothing from then on. Nothing (and no refusal) without a claim. */
    [[nodiscard]] Loaded load();

    /** Replaces the file with `game`: all of it or, after a crash at any moment, the file as it
     *  was. False when not written. */
    bool write(const SavedGame& game);
    /** Removes the kept tournament (a game over has been closed). */
    bool remove();

    [[nodiscard]] QString file() const;
    /** Test seams: before runs once a write's data is complete, before it replaces the file,
     *  and before the file is removed; after runs once either has happened. Each is given
     *  the game written, nullptr for a removal. */
    using Hook = std::function<void(const SavedGame* game)>;
    void setHooks(Hook before, Hook after)
    {
        m_beforeReplace = std::move(before);
        m_afterChange = std::move(after);
    }

private:
    bool writable() const { return m_claimed && !m_frozen; }

    QString m_folder;
    std::unique_ptr<QLockFile> m_lock;
    bool m_claimed = false;
    bool m_frozen = false; // a refused file stayed under the name: never write over it
    Hook m_beforeReplace;
    Hook m_afterChange;
};

} // namespace tintrix

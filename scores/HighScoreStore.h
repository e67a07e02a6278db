// SPDX-License-Identifier: GPL-3.0-or-later
// The high score file on disk: reading it, and replacing it safely when other copies of the
// game may be saving too.
#pragma once

#include "HighScoreTable.h"

// Qt
#include <QList>
#include <QString>

// Std
#include <optional>

namespace tintrix {

/** The file's name, in the program's folder (or the per-user fallback folder). */
inline constexpr char kHighScoreFileName[] = "Hsl.hsl";
/** Added to the file's name for the copy kept of a file replaced that was not exactly as this
 *  program writes it. */
inline constexpr char kHighScoreBackupSuffix[] = ".bak";
/** In the name of every temporary file a save writes, between the name of the file it will
 *  replace and a random part: ".tintrix-tmp-" and 12 lower-case letters or digits. */
inline constexpr char kTempFileMarker[] = ".tintrix-tmp-";

/** The high score file of one program folder, with a per-user folder to fall back on when the
 *  program's folder cannot be written or holds something under the file's name that is not a
 *  high score file this program can use. Once a high score file exists in the fallback folder
 *  it is the one read and written; anything else under its name (a link, a folder, another
 *  file) is left alone and the program folder's file is used. Every save takes a lock file
 *  beside the file without waiting for it, re-reads the file under the lock, ranks the
 *  caller's new entries into what it finds there and replaces the file atomically, so a crash
 *  leaves the old file or the new one and two copies of the game never lose each other's
 *  entries. A save never writes through a symbolic link and never replaces a file it could not
 *  read or that is not a high score file; a file it replaces that is not exactly as this
 *  program writes it (damaged lines, an earlier version's file) is first kept beside it as
 *  "Hsl.hsl.bak", or in the fallback folder when something that is not a file holds that name.
 *  The only files it ever removes are its own: its temporary files, whose names carry
 *  kTempFileMarker and a random part, and the lock files. Holds no table itself. */
class HighScoreStore {
public:
    /** fallbackFolder may be empty: then there is nowhere to fall back to. */
    HighScoreStore(QString programFolder, QString fallbackFolder);

    /** The file that is read: the fallback file when it is a high score file, else the
     *  program folder's. */
    [[nodiscard]] QString activeFile() const;
    /** The file in the fallback folder; empty when there is none. */
    [[nodiscard]] QString fallbackFile() const;

    /** The table in the active file; empty when there is nothing under its name. nullopt when
     *  there is something this program does not read as its file (see Obstacle). */
    [[nodiscard]] std::optional<HighScoreTable> read() const;

    /** Where a save went. Waiting: another copy of the game holds the lock; nothing was written,
     *  and the save may be tried again at any time. */
    enum class Where { ProgramFolder, FallbackFolder, Nowhere, Waiting };

    /** What kept a save out of the program folder's file. */
    enum class Obstacle {
        None,           ///< nothing: the fallback file already existed
        ReadOnlyFolder, ///< the folder takes no new file
        Folder,         ///< a folder has the file's name
        Link,           ///< the name is a symbolic link, whatever it points to
        Unreadable,     ///< a file that cannot be opened or read
        NotScores,      ///< content without a single entry, or a pipe, device or socket
    };

    struct SaveResult {
        Where where = Where::Nowhere;
        QString file;         ///< the file written; empty when Nowhere
        HighScoreTable table; ///< the table now in the file; empty when Nowhere
        Obstacle obstacle = Obstacle::None; ///< why not the program folder, unless ProgramFolder
        /** What is under the fallback file's name when it is not a high score file: it was
         *  left alone, and the program folder's file was used. */
        Obstacle fallbackObstacle = Obstacle::None;
        /** Something other than a file under the backup's name beside a damaged file ... */
        QString backupBlockedBy;
        bool backupBlockedByFolder = false; ///< ... a folder, or else a pipe, device or socket
        /** ... and where the damaged file was kept instead; empty when it could not be kept,
         *  and then the damaged file was left as it is and nothing was written there. */
        QString backupKeptAs;
    };

    /** Ranks newEntries, in order, into the table on disk and writes the result. lastKnown
     *  stands in for a file this program will not read. Tries the program's folder (unless
     *  the fallback file already exists), then the fallback folder, which starts from the
     *  program folder's table. Never waits for another copy: Waiting when one holds the lock.
     *  Nowhere means nothing was written: both folders refused. */
    [[nodiscard]] SaveResult save(const QList<HighScoreEntry>& newEntries, const HighScoreTable& lastKnown) const;

private:
    enum class Attempt { Saved, Busy, Unwritable, Refused, BackupBlocked };
    /** One try at the file in folder, without waiting for the lock. backupElsewhere: where a
     *  damaged file's backup goes when its own name is taken by something other than a file.
     *  Fills the table written, or what stood in the way, into result. */
    Attempt saveIn(const QString& folder, const QList<HighScoreEntry>& newEntries,
                   const HighScoreTable& whenMissing, const QString& backupElsewhere, SaveResult& result) const;
    /** Whether the fallback folder holds a high score file this program reads. */
    [[nodiscard]] bool fallbackInUse() const;

    QString m_programFolder;
    QString m_fallbackFolder;
};

} // namespace tintrix

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

/** The high score file of one program folder, with a per-user folder to fall back on when the
 *  program's folder cannot be written or holds something under the file's name that is not a
 *  high score file this program can use. Once the fallback file exists it is the one read and
 *  written. Every save takes a lock file beside the file, re-reads the file under the lock,
 *  ranks the caller's new entries into what it finds there and replaces the file atomically,
 *  so a crash leaves the old file or the new one and two copies of the game never lose each
 *  other's entries. A save never writes through a symbolic link and never replaces a file it
 *  could not read or that is not a high score file; a file it replaces that is not exactly as
 *  this program writes it (damaged lines, an earlier version's file) is first kept beside it
 *  as "Hsl.hsl.bak". Holds no table itself. */
class HighScoreStore {
public:
    /** fallbackFolder may be empty: then there is nowhere to fall back to. */
    HighScoreStore(QString programFolder, QString fallbackFolder);

    /** The file that is read: the fallback file when it exists, else the program folder's. */
    [[nodiscard]] QString activeFile() const;

    /** The table in the active file; empty when there is nothing under its name. nullopt when
     *  there is something this program does not read as its file (see Obstacle). */
    [[nodiscard]] std::optional<HighScoreTable> read() const;

    enum class Where { ProgramFolder, FallbackFolder, Nowhere };

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
    };

    /** Ranks newEntries, in order, into the table on disk and writes the result. lastKnown
     *  stands in for a file this program will not read. Tries the program's folder (unless
     *  the fallback file already exists), then the fallback folder, which starts from the
     *  program folder's table. Nowhere means nothing was written: both folders refused, or
     *  another copy held the lock for too long. */
    [[nodiscard]] SaveResult save(const QList<HighScoreEntry>& newEntries, const HighScoreTable& lastKnown) const;

private:
    enum class Attempt { Saved, Busy, Unwritable, Refused };
    Attempt saveIn(const QString& folder, const QList<HighScoreEntry>& newEntries,
                   const HighScoreTable& whenMissing, HighScoreTable& written, Obstacle& obstacle) const;
    [[nodiscard]] QString fallbackFile() const;

    QString m_programFolder;
    QString m_fallbackFolder;
};

} // namespace tintrix

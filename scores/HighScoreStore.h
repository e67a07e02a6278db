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

/** The high score file of one program folder, with a per-user folder to fall back on when the
 *  program's folder cannot be written. Once the fallback file exists it is the one read and
 *  written. Every save takes a lock file beside the file, re-reads the file under the lock,
 *  ranks the caller's new entries into what it finds there and replaces the file atomically,
 *  so a crash leaves the old file or the new one and two copies of the game never lose each
 *  other's entries. Holds no table itself. */
class HighScoreStore {
public:
    /** fallbackFolder may be empty: then there is nowhere to fall back to. */
    HighScoreStore(QString programFolder, QString fallbackFolder);

    /** The file that is read: the fallback file when it exists, else the program folder's. */
    [[nodiscard]] QString activeFile() const;

    /** The table in the active file; empty when there is no file or it is not a regular file.
     *  nullopt when the file exists but cannot be opened. */
    [[nodiscard]] std::optional<HighScoreTable> read() const;

    enum class Where { ProgramFolder, FallbackFolder, Nowhere };

    struct SaveResult {
        Where where = Where::Nowhere;
        QString file;         ///< the file written; empty when Nowhere
        HighScoreTable table; ///< the table now in the file; empty when Nowhere
    };

    /** Ranks newEntries, in order, into the table on disk and writes the result. lastKnown
     *  stands in for a file that exists but cannot be read. Tries the program's folder (unless
     *  the fallback file already exists), then the fallback folder. Nowhere means nothing was
     *  written: both folders refused, or another copy held the lock for too long. */
    [[nodiscard]] SaveResult save(const QList<HighScoreEntry>& newEntries, const HighScoreTable& lastKnown) const;

private:
    enum class Attempt { Saved, Busy, Unwritable };
    Attempt saveIn(const QString& folder, const QList<HighScoreEntry>& newEntries,
                   const HighScoreTable& lastKnown, HighScoreTable& written) const;
    [[nodiscard]] QString fallbackFile() const;

    QString m_programFolder;
    QString m_fallbackFolder;
};

} // namespace tintrix

// SPDX-License-Identifier: GPL-3.0-or-later
#include "HighScoreStore.h"

#include "HighScoreCodec.h"

// Qt
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRandomGenerator>
#include <QRegularExpression>

// Std
#include <functional>

// POSIX
#include <cstdio>
#include <unistd.h>

namespace tintrix {

namespace {

using Obstacle = HighScoreStore::Obstacle;

// A save holds the lock for a few milliseconds and is never waited for here: a caller finding
// the lock taken tries again later. A holder that has died is noticed at once by the process id
// in the lock. A copy holding the lock keeps a system lock on the lock file as well, and
// QLockFile never removes a lock file while that is held, however old; so this time only
// decides when a lock file that nobody holds and that names no process (its writer killed
// while creating it) is taken over. It leaves a copy that has just created the lock file the
// moment it needs to put its system lock on it.
constexpr int kStaleLockMs = 1000;
// QLockFile guards the removal of a stale lock with another lock beside it ("Hsl.hsl.lock.rmlock",
// and so on down), held for a moment. Killed while holding it, a copy leaves it behind, and one
// left without a process id stops every removal of the stale lock for 30 seconds.
constexpr int kStaleRemovalLockMs = 1000;

QString fileIn(const QString& folder) { return QDir(folder).filePath(QLatin1String(kHighScoreFileName)); }

QString backupOf(const QString& file) { return file + QLatin1String(kHighScoreBackupSuffix); }

constexpr int kTempRandomLength = 12;

// A name beside path for a temporary file: one no person would choose, and that a later save
// can tell for this program's own.
QString tempNameFor(const QString& path)
{
    static constexpr char kAlphabet[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    QString name = path + QLatin1String(kTempFileMarker);
    for (int i = 0; i < kTempRandomLength; ++i)
        name += QLatin1Char(kAlphabet[QRandomGenerator::system()->bounded(int(sizeof kAlphabet) - 1)]);
    return name;
}

// Whether fileName is the name of a temporary file of this program: the high score file's or
// its backup's name, the marker and the random part, exactly.
bool isTempFileName(const QString& fileName)
{
    static const QRegularExpression pattern(
        QStringLiteral("\\A%1(%2)?%3[a-z0-9]{%4}\\z")
            .arg(QRegularExpression::escape(QLatin1String(kHighScoreFileName)),
                 QRegularExpression::escape(QLatin1String(kHighScoreBackupSuffix)),
                 QRegularExpression::escape(QLatin1String(kTempFileMarker)))
            .arg(kTempRandomLength));
    return pattern.match(fileName).hasMatch();
}

// What is under a high score file's name.
struct Found {
    bool present = false;
    Obstacle obstacle = Obstacle::None; ///< None: a high score file this program reads
    HighScoreTable table;
    bool exact = true; ///< the file holds exactly what this program writes for table
};

Found refused(Obstacle obstacle)
{
    Found found;
    found.present = true;
    found.obstacle = obstacle;
    return found;
}

Found inspect(const QString& path)
{
    const QFileInfo info(path);
    // First: every other question about the name follows the link.
    if (info.isSymLink())
        return refused(Obstacle::Link);
    if (!info.exists())
        return {};
    if (info.isDir())
        return refused(Obstacle::Folder);
    // Only a regular file: a pipe or device by that name could block or never end.
    if (!info.isFile())
        return refused(Obstacle::NotScores);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refused(Obstacle::Unreadable);
    const QByteArray bytes = file.read(kHighScoreFileMaxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return refused(Obstacle::Unreadable);
    Found found;
    found.present = true;
    found.table = ParseHighScores(bytes);
    // Blank lines hold nothing to lose; other content without a single entry is some other file.
    if (found.table.HighScoreCount == 0 && !bytes.trimmed().isEmpty())
        return refused(Obstacle::NotScores);
    found.exact = SerializeHighScores(found.table) == bytes;
    return found;
}

enum class Replaced { Done, Link, Failed };

// Replaces the file at path atomically with what fill writes: a temporary file beside it,
// written to the disk, then renamed over it. A file the player made read-only is not
// replaced. A link is refused, never replaced: before writing, and again before the rename
// for a link put there meanwhile.
Replaced replaceFile(const QString& path, const std::function<bool(QFile&)>& fill)
{
    const QFileInfo old(path);
    if (old.isSymLink())
        return Replaced::Link;
    if (old.exists() && !old.isWritable())
        return Replaced::Failed;
    // New only: never anything already there, by whatever chance.
    QFile temp(tempNameFor(path));
    if (!temp.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return Replaced::Failed;
    bool written = (!old.isFile() || temp.setPermissions(old.permissions())) && fill(temp) && temp.flush()
                   && ::fsync(temp.handle()) == 0;
    temp.close();
    written = written && temp.error() == QFileDevice::NoError;
    const bool link = written && QFileInfo(path).isSymLink();
    if (written && !link
        && std::rename(QFile::encodeName(temp.fileName()).constData(), QFile::encodeName(path).constData()) == 0)
        return Replaced::Done;
    temp.remove();
    return link ? Replaced::Link : Replaced::Failed;
}

// Whether something that is not a file, nor a link, has the name: a folder, pipe, device or
// socket the player put there, which is left alone.
bool isOtherThanFile(const QFileInfo& info) { return !info.isSymLink() && info.exists() && !info.isFile(); }

using SaveResult = HighScoreStore::SaveResult;

// Keeps the file as it is now, whole, as its backup, in place of an older backup. A link
// under the backup's name is removed, never followed. When something other than a file has
// the backup's name, the backup goes to the folder elsewhere instead (none when empty); the
// result tells what was in the way and where the backup went.
bool keepBackup(const QString& path, const QString& elsewhere, SaveResult& result)
{
    QFile old(path);
    QString backup = backupOf(path);
    const QFileInfo blocker(backup);
    if (isOtherThanFile(blocker)) {
        result.backupBlockedBy = backup;
        result.backupBlockedByFolder = blocker.isDir();
        backup = backupOf(fileIn(elsewhere));
        if (elsewhere.isEmpty() || !QDir().mkpath(elsewhere) || isOtherThanFile(QFileInfo(backup)))
            return false;
    }
    if (!old.open(QIODevice::ReadOnly) || (QFileInfo(backup).isSymLink() && !QFile::remove(backup)))
        return false;
    const bool kept = replaceFile(backup, [&old](QFile& copy) {
               char buffer[16 * 1024];
               for (;;) {
                   const qint64 n = old.read(buffer, sizeof buffer);
                   if (n <= 0)
                       return n == 0;
                   if (copy.write(buffer, n) != n)
                       return false;
               }
           })
        == Replaced::Done;
    if (kept && backup != backupOf(path))
        result.backupKeptAs = backup;
    return kept;
}

// A copy killed while saving leaves its temporary file behind. Under the lock nobody else is
// saving, so every temporary file of this program is a leftover; any other file, whatever
// its name, is the player's and stays.
void removeLeftoverTempFiles(const QString& folder)
{
    QDir dir(folder);
    const QFileInfoList entries = dir.entryInfoList({QLatin1String(kHighScoreFileName) + QLatin1String(".*")},
                                                    QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo& entry : entries) {
        if (!entry.isSymLink() && entry.isFile() && isTempFileName(entry.fileName()))
            dir.remove(entry.fileName());
    }
}

// Removes what removals of stale locks left behind ("Hsl.hsl.lock.rmlock", with ".rmlock"
// repeated for each level down): every one when the caller holds the lock (nobody may then
// remove it), else those older than kStaleRemovalLockMs.
void removeLeftoverRemovalLocks(const QString& lockPath, bool holdingLock)
{
    const QFileInfo lock(lockPath);
    QDir dir = lock.dir();
    const QDateTime stale = QDateTime::currentDateTime().addMSecs(-kStaleRemovalLockMs);
    static const QRegularExpression chain(QStringLiteral("\\A(\\.rmlock)+\\z"));
    const QFileInfoList leftovers = dir.entryInfoList({lock.fileName() + QLatin1String(".rmlock*")},
                                                      QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo& leftover : leftovers) {
        if (leftover.isSymLink() || !chain.match(leftover.fileName().sliced(lock.fileName().size())).hasMatch())
            continue;
        if (holdingLock || leftover.lastModified() < stale)
            dir.remove(leftover.fileName());
    }
}

} // namespace

HighScoreStore::HighScoreStore(QString programFolder, QString fallbackFolder)
    : m_programFolder(std::move(programFolder)), m_fallbackFolder(std::move(fallbackFolder))
{
}

QString HighScoreStore::fallbackFile() const
{
    return m_fallbackFolder.isEmpty() ? QString() : fileIn(m_fallbackFolder);
}

bool HighScoreStore::fallbackInUse() const
{
    const QString fallback = fallbackFile();
    if (fallback.isEmpty())
        return false;
    const Found found = inspect(fallback);
    return found.present && found.obstacle == Obstacle::None;
}

QString HighScoreStore::activeFile() const
{
    return fallbackInUse() ? fallbackFile() : fileIn(m_programFolder);
}

std::optional<HighScoreTable> HighScoreStore::read() const
{
    const Found found = inspect(activeFile());
    if (found.obstacle != Obstacle::None)
        return std::nullopt;
    return found.table;
}

HighScoreStore::SaveResult HighScoreStore::save(const QList<HighScoreEntry>& newEntries,
                                                const HighScoreTable& lastKnown) const
{
    SaveResult result;
    const QString fallback = fallbackFile();
    const Found there = fallback.isEmpty() ? Found{} : inspect(fallback);
    // Not a high score file: left alone like any file of the player's.
    if (there.present)
        result.fallbackObstacle = there.obstacle;
    HighScoreTable carried = lastKnown; // what the fallback file starts from
    if (!there.present || there.obstacle != Obstacle::None) {
        const QString file = fileIn(m_programFolder);
        switch (saveIn(m_programFolder, newEntries, {}, m_fallbackFolder, result)) {
        case Attempt::Saved:
            result.where = Where::ProgramFolder;
            result.file = file;
            return result;
        // Another copy is saving here; a second file elsewhere would split the table.
        case Attempt::Busy:
            result.where = Where::Waiting;
            return result;
        // The folder takes files, the damaged file waits for its backup: the table stays here.
        case Attempt::BackupBlocked:
            return result;
        case Attempt::Unwritable: {
            result.obstacle = Obstacle::ReadOnlyFolder;
            // The table moves with the scores: the fallback file is the one read from now on.
            const Found found = inspect(file);
            if (found.obstacle == Obstacle::None)
                carried = found.table;
            break;
        }
        case Attempt::Refused:
            break;
        }
        if (fallback.isEmpty() || result.fallbackObstacle != Obstacle::None)
            return result;
    }
    if (!QDir().mkpath(m_fallbackFolder))
        return result;
    SaveResult inFallback;
    switch (saveIn(m_fallbackFolder, newEntries, carried, {}, inFallback)) {
    case Attempt::Saved:
        result.where = Where::FallbackFolder;
        result.file = fallback;
        result.table = inFallback.table;
        break;
    case Attempt::Busy:
        result.where = Where::Waiting;
        break;
    case Attempt::Unwritable:
    case Attempt::Refused:
    case Attempt::BackupBlocked:
        break;
    }
    result.backupBlockedBy = inFallback.backupBlockedBy;
    result.backupBlockedByFolder = inFallback.backupBlockedByFolder;
    return result;
}

HighScoreStore::Attempt HighScoreStore::saveIn(const QString& folder, const QList<HighScoreEntry>& newEntries,
                                               const HighScoreTable& whenMissing, const QString& backupElsewhere,
                                               SaveResult& result) const
{
    const QString path = fileIn(folder);
    const QString lockPath = path + QLatin1String(".lock");
    QLockFile lock(lockPath);
    lock.setStaleLockTime(kStaleLockMs);
    removeLeftoverRemovalLocks(lockPath, false);
    if (!lock.tryLock(0))
        return lock.error() == QLockFile::LockFailedError ? Attempt::Busy : Attempt::Unwritable;
    removeLeftoverRemovalLocks(lockPath, true);
    removeLeftoverTempFiles(folder);

    // Another copy may have saved since this one last looked: start from what is there now.
    // Something this program did not write, or cannot read, is left exactly as it is.
    const Found found = inspect(path);
    if (found.obstacle != Obstacle::None) {
        result.obstacle = found.obstacle;
        return Attempt::Refused;
    }
    const HighScoreTable table = MergedTable(found.present ? found.table : whenMissing, newEntries);
    // Lines the table could not hold would be gone with the old file: keep it.
    if (!found.exact && !keepBackup(path, backupElsewhere, result))
        return result.backupBlockedBy.isEmpty() ? Attempt::Unwritable : Attempt::BackupBlocked;

    const QByteArray bytes = SerializeHighScores(table);
    switch (replaceFile(path, [&bytes](QFile& file) { return file.write(bytes) == bytes.size(); })) {
    case Replaced::Done:
        result.table = table;
        return Attempt::Saved;
    case Replaced::Link:
        result.obstacle = Obstacle::Link;
        return Attempt::Refused;
    case Replaced::Failed:
        break;
    }
    return Attempt::Unwritable;
}

} // namespace tintrix

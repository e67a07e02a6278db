// SPDX-License-Identifier: GPL-3.0-or-later
#include "HighScoreStore.h"

#include "HighScoreCodec.h"

// Qt
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>

// Std
#include <functional>

namespace tintrix {

namespace {

using Obstacle = HighScoreStore::Obstacle;

// A save holds the lock for a few milliseconds. A holder that has died is noticed at once by
// the process id in the lock; a lock without one (its writer killed while creating it), or one
// held this long, is taken to be stale.
constexpr int kStaleLockMs = 5000;
constexpr int kLockWaitMs = 8000;
constexpr int kLockTryMs = 250;
// QLockFile guards the removal of a stale lock with another lock beside it ("Hsl.hsl.lock.rmlock",
// and so on down), held for a moment. Killed while holding it, a copy leaves it behind, and one
// left without a process id stops every removal of the stale lock for 30 seconds.
constexpr int kStaleRemovalLockMs = 1000;

QString fileIn(const QString& folder) { return QDir(folder).filePath(QLatin1String(kHighScoreFileName)); }

QString backupOf(const QString& file) { return file + QLatin1String(kHighScoreBackupSuffix); }

// Whether anything is under the name, a link to nothing included.
bool isPresent(const QString& path)
{
    const QFileInfo info(path);
    return info.isSymLink() || info.exists();
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

// Replaces the file at path atomically with what fill writes. QSaveFile writes to the target
// of a link, so a link is refused: before opening, and again before the rename for a link put
// there meanwhile.
Replaced replaceFile(const QString& path, const std::function<bool(QSaveFile&)>& fill)
{
    if (QFileInfo(path).isSymLink())
        return Replaced::Link;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !fill(file))
        return Replaced::Failed; // the temporary file goes with file
    if (QFileInfo(path).isSymLink())
        return Replaced::Link;
    return file.commit() ? Replaced::Done : Replaced::Failed;
}

// Keeps the file as it is now, whole, as its backup, in place of an older backup. A link
// under the backup's name is removed, never followed.
bool keepBackup(const QString& path)
{
    QFile old(path);
    const QString backup = backupOf(path);
    if (!old.open(QIODevice::ReadOnly) || (QFileInfo(backup).isSymLink() && !QFile::remove(backup)))
        return false;
    return replaceFile(backup, [&old](QSaveFile& copy) {
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
}

// A copy killed while saving can leave its temporary file behind (the file's or the backup's
// name, a dot and six random characters) where the file system has no unnamed temporary
// files. Under the lock nobody else is saving, so any such file is a leftover.
void removeLeftoverTempFiles(const QString& folder)
{
    QDir dir(folder);
    const QString name = QLatin1String(kHighScoreFileName), random = QStringLiteral(".??????");
    const QStringList leftovers =
        dir.entryList({name + random, backupOf(name) + random}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& leftover : leftovers)
        dir.remove(leftover);
}

// Removes what removals of stale locks left behind: every one when the caller holds the lock
// (nobody may then remove it), else those older than kStaleRemovalLockMs.
void removeLeftoverRemovalLocks(const QString& lockPath, bool holdingLock)
{
    const QFileInfo lock(lockPath);
    QDir dir = lock.dir();
    const QDateTime stale = QDateTime::currentDateTime().addMSecs(-kStaleRemovalLockMs);
    const QFileInfoList leftovers = dir.entryInfoList({lock.fileName() + QLatin1String(".rmlock*")},
                                                      QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo& leftover : leftovers) {
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

QString HighScoreStore::activeFile() const
{
    const QString fallback = fallbackFile();
    return !fallback.isEmpty() && isPresent(fallback) ? fallback : fileIn(m_programFolder);
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
    const QString fallback = fallbackFile();
    HighScoreTable written;
    Obstacle obstacle = Obstacle::None;
    HighScoreTable carried = lastKnown; // what the fallback file starts from
    if (fallback.isEmpty() || !isPresent(fallback)) {
        const QString file = fileIn(m_programFolder);
        const Attempt attempt = saveIn(m_programFolder, newEntries, {}, written, obstacle);
        if (attempt == Attempt::Saved)
            return {Where::ProgramFolder, file, written};
        // Another copy is stuck while saving here; a second file elsewhere would split the table.
        if (attempt == Attempt::Busy)
            return {};
        if (attempt == Attempt::Unwritable) {
            obstacle = Obstacle::ReadOnlyFolder;
            // The table moves with the scores: the fallback file is the one read from now on.
            const Found found = inspect(file);
            if (found.obstacle == Obstacle::None)
                carried = found.table;
        }
    }
    Obstacle ignored = Obstacle::None;
    if (!fallback.isEmpty() && QDir().mkpath(m_fallbackFolder)
        && saveIn(m_fallbackFolder, newEntries, carried, written, ignored) == Attempt::Saved)
        return {Where::FallbackFolder, fallback, written, obstacle};
    return {Where::Nowhere, {}, {}, obstacle};
}

HighScoreStore::Attempt HighScoreStore::saveIn(const QString& folder, const QList<HighScoreEntry>& newEntries,
                                               const HighScoreTable& whenMissing, HighScoreTable& written,
                                               Obstacle& obstacle) const
{
    const QString path = fileIn(folder);
    const QString lockPath = path + QLatin1String(".lock");
    QLockFile lock(lockPath);
    lock.setStaleLockTime(kStaleLockMs);
    QElapsedTimer waiting;
    waiting.start();
    while (!lock.tryLock(kLockTryMs)) {
        if (lock.error() != QLockFile::LockFailedError)
            return Attempt::Unwritable;
        if (waiting.hasExpired(kLockWaitMs))
            return Attempt::Busy;
        removeLeftoverRemovalLocks(lockPath, false);
    }
    removeLeftoverRemovalLocks(lockPath, true);
    removeLeftoverTempFiles(folder);

    // Another copy may have saved since this one last looked: start from what is there now.
    // Something this program did not write, or cannot read, is left exactly as it is.
    const Found found = inspect(path);
    if (found.obstacle != Obstacle::None) {
        obstacle = found.obstacle;
        return Attempt::Refused;
    }
    const HighScoreTable table = MergedTable(found.present ? found.table : whenMissing, newEntries);
    // Lines the table could not hold would be gone with the old file: keep it.
    if (!found.exact && !keepBackup(path))
        return Attempt::Unwritable;

    const QByteArray bytes = SerializeHighScores(table);
    switch (replaceFile(path, [&bytes](QSaveFile& file) { return file.write(bytes) == bytes.size(); })) {
    case Replaced::Done:
        written = table;
        return Attempt::Saved;
    case Replaced::Link:
        obstacle = Obstacle::Link;
        return Attempt::Refused;
    case Replaced::Failed:
        break;
    }
    return Attempt::Unwritable;
}

} // namespace tintrix

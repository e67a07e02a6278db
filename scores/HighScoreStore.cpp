// SPDX-License-Identifier: GPL-3.0-or-later
#include "HighScoreStore.h"

#include "HighScoreCodec.h"

// Qt
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>

namespace tintrix {

namespace {

// A save holds the lock for a few milliseconds. A holder that has died is noticed at once by
// the process id in the lock; a lock without one (its writer killed while creating it), or one
// held this long, is taken to be stale.
constexpr int kStaleLockMs = 5000;
constexpr int kLockWaitMs = 8000;

QString fileIn(const QString& folder) { return QDir(folder).filePath(QLatin1String(kHighScoreFileName)); }

// A copy killed while saving can leave its temporary file behind ("Hsl.hsl." and six random
// characters) where the file system has no unnamed temporary files. Under the lock nobody else
// is saving, so any such file is a leftover.
void removeLeftoverTempFiles(const QString& folder)
{
    QDir dir(folder);
    const QStringList leftovers = dir.entryList({QLatin1String(kHighScoreFileName) + QLatin1String(".??????")},
                                                QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : leftovers)
        dir.remove(name);
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
    return !fallback.isEmpty() && QFileInfo::exists(fallback) ? fallback : fileIn(m_programFolder);
}

std::optional<HighScoreTable> HighScoreStore::read() const
{
    QFile file(activeFile());
    // Only a regular file: a pipe or device by that name could block or never end.
    if (!QFileInfo(file).isFile())
        return HighScoreTable{};
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return ParseHighScores(file.read(kHighScoreFileMaxBytes + 1));
}

HighScoreStore::SaveResult HighScoreStore::save(const QList<HighScoreEntry>& newEntries,
                                                const HighScoreTable& lastKnown) const
{
    const QString fallback = fallbackFile();
    HighScoreTable written;
    if (fallback.isEmpty() || !QFileInfo::exists(fallback)) {
        const Attempt attempt = saveIn(m_programFolder, newEntries, lastKnown, written);
        if (attempt == Attempt::Saved)
            return {Where::ProgramFolder, fileIn(m_programFolder), written};
        // Another copy is stuck while saving here; a second file elsewhere would split the table.
        if (attempt == Attempt::Busy)
            return {};
    }
    if (!fallback.isEmpty() && QDir().mkpath(m_fallbackFolder)
        && saveIn(m_fallbackFolder, newEntries, lastKnown, written) == Attempt::Saved)
        return {Where::FallbackFolder, fallback, written};
    return {};
}

HighScoreStore::Attempt HighScoreStore::saveIn(const QString& folder, const QList<HighScoreEntry>& newEntries,
                                               const HighScoreTable& lastKnown, HighScoreTable& written) const
{
    const QString path = fileIn(folder);
    QLockFile lock(path + QLatin1String(".lock"));
    lock.setStaleLockTime(kStaleLockMs);
    if (!lock.tryLock(kLockWaitMs))
        return lock.error() == QLockFile::LockFailedError ? Attempt::Busy : Attempt::Unwritable;
    removeLeftoverTempFiles(folder);

    // Another copy may have saved since this one last looked: start from what is there now.
    const HighScoreTable table = MergedTable(read().value_or(lastKnown), newEntries);

    // QSaveFile writes a temporary file and renames it over the old one only when complete.
    QSaveFile file(path);
    const QByteArray bytes = SerializeHighScores(table);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return Attempt::Unwritable;
    written = table;
    return Attempt::Saved;
}

} // namespace tintrix

// SPDX-License-Identifier: GPL-3.0-or-later
#include "TournamentStore.h"

// Qt
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

// Std
#include <cstdio>
#include <fcntl.h>

namespace tintrix {

namespace {

// A lock file without a process id is what a copy killed while taking the lock leaves; one
// this old is taken to be left over.
constexpr int kEmptyLockStaleMs = 5000;
// QLockFile guards the removal of a dead copy's lock with a second lock beside it for a
// moment; one left by a copy killed right then would hold up every start for 30 seconds.
constexpr int kRemovalLockStaleMs = 1000;
constexpr int kRefusedNames = 9;

using Refusal = TournamentStore::Refusal;

Refusal RefusalOf(SavedGameFault fault)
{
    switch (fault) {
    case SavedGameFault::None:
        return Refusal::None;
    case SavedGameFault::NotOurs:
        return Refusal::NotOurs;
    case SavedGameFault::Newer:
        return Refusal::Newer;
    case SavedGameFault::Damaged:
        break;
    }
    return Refusal::Damaged;
}

// Renames the name itself, a link or a folder as much as a file, and never over something
// already under the new name.
bool MoveAside(const QString& from, const QString& to)
{
    return ::renameat2(AT_FDCWD, QFile::encodeName(from).constData(), AT_FDCWD, QFile::encodeName(to).constData(),
                       RENAME_NOREPLACE)
        == 0;
}

void RemoveLeftovers(const QString& folder, const QStringList& patterns, qint64 olderThanMs)
{
    QDir dir(folder);
    const QDateTime before = QDateTime::currentDateTime().addMSecs(-olderThanMs);
    for (const QFileInfo& leftover : dir.entryInfoList(patterns, QDir::Files | QDir::Hidden | QDir::System)) {
        if (!leftover.isSymLink() && leftover.lastModified() <= before)
            dir.remove(leftover.fileName());
    }
}

} // namespace

TournamentStore::TournamentStore(QString folder) : m_folder(std::move(folder)) {}

TournamentStore::~TournamentStore() = default;

QString TournamentStore::file() const { return QDir(m_folder).filePath(QLatin1String(kTournamentFileName)); }

TournamentStore::Claim TournamentStore::claim()
{
    if (m_claimed)
        return Claim::Mine;
    if (m_folder.isEmpty() || !QDir().mkpath(m_folder))
        return Claim::NoFolder;
    const QString name = QLatin1String(kTournamentFileName);
    RemoveLeftovers(m_folder, {name + QLatin1String(".lock.rmlock*")}, kRemovalLockStaleMs);

    m_lock = std::make_unique<QLockFile>(file() + QLatin1String(".lock"));
    // Held for the whole run: only a copy that has died gives it up, never one merely running long.
    m_lock->setStaleLockTime(0);
    if (!m_lock->tryLock(0) && m_lock->error() == QLockFile::LockFailedError) {
        qint64 pid = 0;
        QString host, app;
        const bool named = m_lock->getLockInfo(&pid, &host, &app);
        const qint64 age = QFileInfo(m_lock->fileName()).lastModified().msecsTo(QDateTime::currentDateTime());
        // Our own id in it can only be a dead copy's that had the same id.
        if ((named && pid == QCoreApplication::applicationPid()) || (!named && age > kEmptyLockStaleMs))
            m_lock->removeStaleLockFile() && m_lock->tryLock(0);
    }
    if (!m_lock->isLocked()) {
        const bool busy = m_lock->error() == QLockFile::LockFailedError;
        m_lock.reset();
        return busy ? Claim::Busy : Claim::NoFolder;
    }
    m_claimed = true;
    // Nobody else writes here now: a temporary file of a copy killed while saving is a leftover.
    RemoveLeftovers(m_folder, {name + QLatin1String(".??????")}, 0);
    return Claim::Mine;
}

TournamentStore::Loaded TournamentStore::load()
{
    Loaded loaded;
    if (!m_claimed)
        return loaded;
    const QString path = file();
    const QFileInfo info(path);
    // First: every other question about the name follows the link.
    if (info.isSymLink())
        loaded.refusal = Refusal::Link;
    else if (!info.exists())
        return loaded;
    else if (info.isDir())
        loaded.refusal = Refusal::Folder;
    else if (!info.isFile()) // a pipe or a device could block or never end
        loaded.refusal = Refusal::NotOurs;
    else {
        QFile in(path);
        QByteArray bytes;
        if (in.open(QIODevice::ReadOnly))
            bytes = in.read(qint64(kSavedGameMaxBytes) + 1);
        if (!in.isOpen() || in.error() != QFileDevice::NoError) {
            loaded.refusal = Refusal::Unreadable;
        } else {
            DecodedGame decoded = DecodeSavedGame(std::string_view(bytes.constData(), std::size_t(bytes.size())));
            loaded.refusal = RefusalOf(decoded.fault);
            loaded.game = std::move(decoded.game);
        }
    }
    if (loaded.refusal == Refusal::None)
        return loaded;

    // Kept, never destroyed, and out of the way of the games to come.
    for (int n = 1; n <= kRefusedNames && loaded.movedTo.isEmpty(); ++n) {
        const QString aside = path + QLatin1String(kRefusedSuffix) + (n == 1 ? QString() : QStringLiteral(".%1").arg(n));
        if (MoveAside(path, aside))
            loaded.movedTo = aside;
    }
    m_frozen = loaded.movedTo.isEmpty();
    return loaded;
}

bool TournamentStore::write(const SavedGame& game)
{
    if (!writable())
        return false;
    const QString path = file();
    // QSaveFile writes to a link's target: a link put here since start-up is refused, before
    // writing and again before the rename.
    if (QFileInfo(path).isSymLink())
        return false;
    const std::string bytes = EncodeSavedGame(game);
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size()))
        return false;
    if (m_beforeReplace)
        m_beforeReplace(&game);
    if (QFileInfo(path).isSymLink() || !out.commit())
        return false;
    if (m_afterChange)
        m_afterChange(&game);
    return true;
}

bool TournamentStore::remove()
{
    if (!writable())
        return false;
    const QFileInfo info(file());
    if (info.isSymLink() || !info.isFile())
        return false;
    if (m_beforeReplace)
        m_beforeReplace(nullptr);
    if (!QFile::remove(file()))
        return false;
    if (m_afterChange)
        m_afterChange(nullptr);
    return true;
}

} // namespace tintrix

// SPDX-License-Identifier: GPL-3.0-or-later
// Folders for the high score tests.
#pragma once

#include <QDir>
#include <QFile>
#include <QString>

#include <climits>

namespace tintrix::test {

/** A folder under base where files can be read but none created, even by root (who ignores
 *  permissions): its path is so long that "Hsl.hsl" still fits within the system's path limit
 *  while the lock file and the temporary file of a save do not. */
inline QString UnwritableFolder(const QString& base)
{
    const qsizetype length = PATH_MAX - 1 - qsizetype(sizeof "/Hsl.hsl") + 1 - 2;
    QString path = base;
    while (length - path.size() > 201)
        path += '/' + QString(200, 'd');
    path += '/' + QString(length - path.size() - 1, 'd');
    QDir().mkpath(path);
    return path;
}

/** A folder that can never be created: its path runs through a regular file. */
inline QString UncreatableFolder(const QString& base)
{
    QFile blocker(base + "/blocker");
    blocker.open(QIODevice::WriteOnly);
    return blocker.fileName() + "/data";
}

inline QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace tintrix::test

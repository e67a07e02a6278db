// SPDX-License-Identifier: GPL-3.0-or-later
// Folders for the high score tests.
#pragma once

#include "TestSupport.h"

#include <QDir>

#include <climits>

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

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

/** While alive, this thread is held to file permissions even when it runs as root: root's
 *  capabilities to pass over them are set aside, and taken back at the end. An ordinary user
 *  is held to them anyway. ok() is false when root could not set them aside. */
class PermissionsApply {
public:
    PermissionsApply()
    {
        if (geteuid() != 0)
            return;
        m_ok = syscall(SYS_capget, &m_header, m_saved) == 0;
        __user_cap_data_struct held[2] = {m_saved[0], m_saved[1]};
        held[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH) | (1u << CAP_FOWNER));
        m_dropped = m_ok && syscall(SYS_capset, &m_header, held) == 0;
        m_ok = m_dropped;
    }
    ~PermissionsApply()
    {
        if (m_dropped)
            syscall(SYS_capset, &m_header, m_saved);
    }
    PermissionsApply(const PermissionsApply&) = delete;
    PermissionsApply& operator=(const PermissionsApply&) = delete;
    [[nodiscard]] bool ok() const { return m_ok; }

private:
    __user_cap_header_struct m_header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct m_saved[2]{};
    bool m_ok = true;
    bool m_dropped = false;
};

} // namespace tintrix::test

// SPDX-License-Identifier: GPL-3.0-or-later
// A game reduced to its high score table, for the tests of what the player meets.
#pragma once

#include "HighScoreBook.h"
#include "ScoreTestFolders.h"

#include <QFileInfo>
#include <QTemporaryDir>

namespace tintrix::test {

// A book on a fresh program folder whose prompt answers from a list and whose notices are kept.
struct Game {
    explicit Game(QString folder = {}) : programFolder(folder.isEmpty() ? dir.path() : folder)
    {
        book.setFallbackFolder(dir.path() + "/user");
        book.setNamePrompt([this](QWidget*) { return ++asked, answers.isEmpty() ? QString() : answers.takeFirst(); });
        book.setNotice([this](QWidget*, const QString& text) { notices << text; });
    }
    QByteArray file() const { return ReadAll(programFolder + "/Hsl.hsl"); }
    QString names() const
    {
        QStringList names;
        for (int i = 1; i <= book.table().HighScoreCount; ++i)
            names << book.table().place(i).Name;
        return names.join(',');
    }

    QTemporaryDir dir;
    QString programFolder;
    HighScoreBook book{programFolder};
    QStringList answers;
    int asked = 0;
    QStringList notices;
};

// What is under a name, as far as a save could change it.
inline QString snapshot(const QString& path)
{
    const QFileInfo info(path);
    if (info.isSymLink())
        return "link to " + info.symLinkTarget() + ": " + snapshot(info.symLinkTarget());
    if (info.isDir())
        return "folder of " + QDir(path).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).join(',');
    if (!info.isFile())
        return info.exists() ? "special file" : "nothing";
    return QString("%1 %2 ").arg(info.ownerId()).arg(int(info.permissions())) + ReadAll(path).toHex();
}

} // namespace tintrix::test

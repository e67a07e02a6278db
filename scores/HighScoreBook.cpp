// SPDX-License-Identifier: GPL-3.0-or-later
#include "HighScoreBook.h"

#include "AppInfo.h"
#include "HighScoreFrm.h"
#include "HighScoreStore.h"

// Qt
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QStandardPaths>

namespace tintrix {

namespace {

std::optional<QString> askName(QWidget* parent)
{
    QInputDialog dialog(parent);
    dialog.setWindowTitle(QCoreApplication::translate("HighScores", "New High Score"));
    dialog.setLabelText(QCoreApplication::translate("HighScores", "Enter your name (1-12 char)."));
    dialog.setTextValue(QString());
    const bool ok = dialog.exec() == QDialog::Accepted;
    // OK and Cancel close the prompt; a prompt still open was left because the program ends.
    if (dialog.isVisible())
        return std::nullopt;
    return ok ? dialog.textValue() : QString();
}

void showNotice(QWidget* parent, const QString& text)
{
    QMessageBox::information(parent, ApplicationTitle(), text);
}

// Why the scores went to fallbackFile rather than programFile, and where they are now.
QString fallbackNotice(HighScoreStore::Obstacle obstacle, const QString& programFile, const QString& fallbackFile)
{
    using Obstacle = HighScoreStore::Obstacle;
    const QString file = QDir::toNativeSeparators(programFile);
    QString why;
    switch (obstacle) {
    case Obstacle::None:
        break;
    case Obstacle::ReadOnlyFolder:
        why = QCoreApplication::translate("HighScores", "The game's folder cannot be written. ");
        break;
    case Obstacle::Folder:
        why = QCoreApplication::translate("HighScores", "%1 is a folder. ").arg(file);
        break;
    case Obstacle::Link:
        why = QCoreApplication::translate("HighScores", "%1 is a link and was left unchanged. ").arg(file);
        break;
    case Obstacle::Unreadable:
        why = QCoreApplication::translate("HighScores", "%1 cannot be read and was left unchanged. ").arg(file);
        break;
    case Obstacle::NotScores:
        why = QCoreApplication::translate("HighScores", "%1 is not a high score file and was left unchanged. ").arg(file);
        break;
    }
    return why + QCoreApplication::translate("HighScores", "The high scores are kept in %1.").arg(QDir::toNativeSeparators(fallbackFile));
}

} // namespace

HighScoreBook::HighScoreBook(QString programFolder)
    : m_programFolder(std::move(programFolder)), m_namePrompt(askName), m_notice(showNotice)
{
}

void HighScoreBook::setNamePrompt(NamePrompt prompt) { m_namePrompt = std::move(prompt); }

void HighScoreBook::setNotice(Notice notice) { m_notice = std::move(notice); }

void HighScoreBook::setFallbackFolder(QString folder) { m_fallbackFolder = std::move(folder); }

HighScoreStore HighScoreBook::store() const
{
    // Looked up when needed: the application's name, part of the path, is set after start.
    return {m_programFolder, m_fallbackFolder.isEmpty()
                                 ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                                 : m_fallbackFolder};
}

void HighScoreBook::LoadHighScores()
{
    m_onDisk = store().read().value_or(HighScoreTable{});
    m_table = MergedTable(m_onDisk, m_unsaved);
}

void HighScoreBook::RecordHighScore(qint32 score, int level, QWidget* parent)
{
    if (score == 0)
        return;
    // Rank against the file as it is now: another copy of the game may have saved since.
    const HighScoreStore store = this->store();
    if (const std::optional<HighScoreTable> onDisk = store.read()) {
        m_onDisk = *onDisk;
        m_table = MergedTable(m_onDisk, m_unsaved);
    }
    const int place = PlaceForScore(m_table, score);
    if (place == 0)
        return;

    QString answer;
    do {
        const std::optional<QString> given = m_namePrompt(parent);
        if (!given)
            return; // the player is leaving the game: nothing is recorded
        answer = *given;
    } while (!NameFits(answer));
    const HighScoreEntry entry{score, TableName(answer), qint32(level)};
    m_unsaved.append(entry);
    m_table = WithEntryAt(m_table, place, entry);

    const HighScoreStore::SaveResult saved = store.save(m_unsaved, m_onDisk);
    if (saved.where == HighScoreStore::Where::Nowhere) {
        m_notice(parent, QCoreApplication::translate("HighScores", "The high scores could not be saved in %1. They stay in the table "
                                                                    "while the game runs and are saved again with the next high score.")
                             .arg(QDir::toNativeSeparators(store.activeFile())));
        return;
    }
    m_onDisk = saved.table;
    m_unsaved.clear();
    m_table = m_onDisk;
    if (saved.where == HighScoreStore::Where::FallbackFolder && !m_toldFallback) {
        m_toldFallback = true;
        const QString programFile = QDir(m_programFolder).filePath(QLatin1String(kHighScoreFileName));
        m_notice(parent, fallbackNotice(saved.obstacle, programFile, saved.file));
    }
}

void HighScoreBook::ShowHighScores(QWidget* parent) const
{
    HighScoreFrm window(m_table, parent);
    window.exec();
}

} // namespace tintrix

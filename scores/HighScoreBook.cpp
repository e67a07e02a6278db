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
#include <QThread>

// Std
#include <algorithm>

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

// Why the scores are not in passedFile, and the file they are kept in.
QString whereNotice(HighScoreStore::Obstacle obstacle, const QString& passedFile, const QString& keptIn)
{
    using Obstacle = HighScoreStore::Obstacle;
    const QString file = QDir::toNativeSeparators(passedFile);
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
    return why + QCoreApplication::translate("HighScores", "The high scores are kept in %1.").arg(QDir::toNativeSeparators(keptIn));
}

// What stood in the way of the backup of a damaged file, and what became of it.
QString backupNotice(const HighScoreStore::SaveResult& saved)
{
    const QString blocker = QDir::toNativeSeparators(saved.backupBlockedBy);
    if (saved.backupKeptAs.isEmpty()) {
        return saved.backupBlockedByFolder
                   ? QCoreApplication::translate("HighScores", "%1 is a folder, so the damaged high score file could not be kept "
                                       "and was left unchanged. ").arg(blocker)
                   : QCoreApplication::translate("HighScores", "%1 is not a regular file, so the damaged high score file could not be "
                                       "kept and was left unchanged. ").arg(blocker);
    }
    const QString kept = QDir::toNativeSeparators(saved.backupKeptAs);
    return saved.backupBlockedByFolder
               ? QCoreApplication::translate("HighScores", "%1 is a folder, so the damaged high score file was kept as %2.").arg(blocker, kept)
               : QCoreApplication::translate("HighScores", "%1 is not a regular file, so the damaged high score file was kept as %2.")
                     .arg(blocker, kept);
}

} // namespace

HighScoreBook::HighScoreBook(QString programFolder)
    : m_programFolder(std::move(programFolder)), m_namePrompt(askName), m_notice(showNotice)
{
    m_retry.setInterval(kRetryMs);
    QObject::connect(&m_retry, &QTimer::timeout, &m_retry, [this] { retrySave(); });
}

HighScoreBook::~HighScoreBook()
{
    if (!m_retry.isActive())
        return;
    m_retry.stop();
    QElapsedTimer waiting;
    waiting.start();
    while (store().save(m_unsaved, m_onDisk).where == HighScoreStore::Where::Waiting
           && !waiting.hasExpired(kLastWaitMs))
        QThread::msleep(kRetryMs);
}

void HighScoreBook::setNamePrompt(NamePrompt prompt) { m_namePrompt = std::move(prompt); }

void HighScoreBook::setNotice(Notice notice) { m_notice = std::move(notice); }

void HighScoreBook::setBeforeSave(BeforeSave beforeSave) { m_beforeSave = std::move(beforeSave); }

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
    enter({score, TableName(answer), qint32(level)}, parent);
}

void HighScoreBook::RecordNamedScore(qint32 score, int level, const QString& name, QWidget* parent)
{
    if (score == 0)
        return;
    if (const std::optional<HighScoreTable> onDisk = store().read()) {
        m_onDisk = *onDisk;
        m_table = MergedTable(m_onDisk, m_unsaved);
    }
    if (PlaceForScore(m_table, score) != 0)
        enter({score, TableName(name), qint32(level)}, parent);
}

void HighScoreBook::enter(const HighScoreEntry& entry, QWidget* parent)
{
    if (m_beforeSave)
        m_beforeSave(entry, int(std::count(m_onDisk.places.begin(), m_onDisk.places.end(), entry)));
    m_unsaved.append(entry);
    // A waiting save may have finished while the player typed.
    m_table = MergedTable(m_onDisk, m_unsaved);
    m_parent = parent;
    saveUnsaved();
}

int HighScoreBook::CountOnDisk(const HighScoreEntry& entry) const
{
    const HighScoreTable onDisk = store().read().value_or(HighScoreTable{});
    return int(std::count(onDisk.places.begin(), onDisk.places.end(), entry));
}

void HighScoreBook::retrySave()
{
    if (!m_toldWaiting && m_waitingSince.hasExpired(kTellWaitingMs)) {
        m_toldWaiting = true;
        // Told from outside this timer's own call, or the timer would stand still while the
        // notice, modal, is shown: the save goes on being tried and may finish meanwhile.
        QMetaObject::invokeMethod(
            &m_retry,
            [this] {
                m_notice(m_parent, QCoreApplication::translate("HighScores", "Another copy of the game is saving its high scores. Yours will be saved "
                                      "as soon as it has finished."));
            },
            Qt::QueuedConnection);
        return;
    }
    saveUnsaved();
}

void HighScoreBook::saveUnsaved()
{
    const HighScoreStore store = this->store();
    const HighScoreStore::SaveResult saved = store.save(m_unsaved, m_onDisk);
    if (saved.where == HighScoreStore::Where::Waiting) {
        if (!m_retry.isActive()) {
            m_waitingSince.start();
            m_retry.start();
        }
        return;
    }
    m_retry.stop();
    m_toldWaiting = false;

    // The table is brought up to date before any notice: a notice is modal, and another save
    // may run while it is shown.
    QStringList notices;
    if (!saved.backupBlockedBy.isEmpty())
        notices << backupNotice(saved);
    if (saved.where == HighScoreStore::Where::Nowhere) {
        const QString failed = QCoreApplication::translate("HighScores", "The high scores could not be saved in %1. They stay in the table "
                                              "while the game runs and are saved again with the next high score.")
                                   .arg(QDir::toNativeSeparators(store.activeFile()));
        if (notices.isEmpty())
            notices << failed;
        else
            notices.last() += failed;
    } else {
        m_onDisk = saved.table;
        m_unsaved.clear();
        m_table = m_onDisk;
        const QString programFile = QDir(m_programFolder).filePath(QLatin1String(kHighScoreFileName));
        if (saved.where == HighScoreStore::Where::FallbackFolder && !m_toldFallback) {
            m_toldFallback = true;
            notices << whereNotice(saved.obstacle, programFile, saved.file);
        }
        if (saved.where == HighScoreStore::Where::ProgramFolder
            && saved.fallbackObstacle != HighScoreStore::Obstacle::None && !m_toldKeptHere) {
            m_toldKeptHere = true;
            notices << whereNotice(saved.fallbackObstacle, store.fallbackFile(), programFile);
        }
    }
    const QPointer<QWidget> parent = m_parent;
    for (const QString& notice : std::as_const(notices))
        m_notice(parent, notice);
}

void HighScoreBook::ShowHighScores(QWidget* parent, double zoom) const
{
    HighScoreFrm window(m_table, zoom, parent);
    window.exec();
}

} // namespace tintrix

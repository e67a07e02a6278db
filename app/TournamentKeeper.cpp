// SPDX-License-Identifier: GPL-3.0-or-later
#include "TournamentKeeper.h"

// own
#include "AppInfo.h"
#include "Form1.h"
#include "HighScoreBook.h"

// Qt
#include <QCoreApplication>
#include <QDir>

#include <QMessageBox>
#include <QTimer>

namespace tintrix {

namespace {

QString Why(TournamentStore::Refusal refusal)
{
    using Refusal = TournamentStore::Refusal;
    switch (refusal) {
    case Refusal::Newer:
        return QCoreApplication::translate("Board", "it was saved by a newer version of Tintrix.");
    case Refusal::NotOurs:
        return QCoreApplication::translate("Board", "the file is not a saved tournament.");
    case Refusal::Link:
        return QCoreApplication::translate("Board", "it is a link.");
    case Refusal::Folder:
        return QCoreApplication::translate("Board", "it is a folder.");
    case Refusal::Unreadable:
        return QCoreApplication::translate("Board", "the file cannot be read.");
    case Refusal::Damaged:
    case Refusal::None:
        break;
    }
    return QCoreApplication::translate("Board", "the file is damaged or cut short.");
}

} // namespace

TournamentKeeper::TournamentKeeper(Form1& board, HighScoreBook& scores, QString folder)
    : m_board(board), m_scores(scores), m_store(std::move(folder))
{
    m_scoresWait.setSingleShot(true);
    m_scoresWait.setInterval(HighScoreBook::kRetryMs);
    connect(&m_scoresWait, &QTimer::timeout, this, &TournamentKeeper::keep);
}

TournamentKeeper::~TournamentKeeper()
{
    m_scores.setBeforeSave({});
    flush();
}

void TournamentKeeper::tell(const QString& text)
{
    QMessageBox box(QMessageBox::Information, ApplicationTitle(), text, QMessageBox::Ok, &m_board);
    box.setObjectName("TournamentNotice");
    box.exec();
}

bool TournamentKeeper::Resume()
{
    const QString file = QDir::toNativeSeparators(m_store.file());
    switch (m_store.claim()) {
    case TournamentStore::Claim::Mine:
        break;
    case TournamentStore::Claim::Busy:
        tell(QCoreApplication::translate("Board", "Tintrix is already running. This window starts without the saved tournament and does not save its games."));
        return false;
    case TournamentStore::Claim::NoFolder:
        tell(QCoreApplication::translate("Board", "The tournament cannot be saved in %1: games in progress will not be kept.").arg(file));
        return false;
    }
    connect(&m_board, &Form1::gameChanged, this, &TournamentKeeper::keep);
    m_scores.setBeforeSave([this](const HighScoreEntry& entry, int sameOnDisk) { mark(entry, sameOnDisk); });

    const TournamentStore::Loaded loaded = m_store.load();
    if (loaded.refusal != TournamentStore::Refusal::None) {
        const QString where = loaded.movedTo.isEmpty()
            ? QCoreApplication::translate("Board", "It was left as it is, and games will not be saved until it is gone.")
            : QCoreApplication::translate("Board", "It was moved aside to %1.").arg(QDir::toNativeSeparators(loaded.movedTo));
        tell(QCoreApplication::translate("Board", "The saved tournament in %1 cannot be resumed: %2 %3").arg(file, Why(loaded.refusal), where));
        return false;
    }
    if (!loaded.game)
        return false;
    if (loaded.game->stage == SavedStage::Over) {
        // The game had ended, perhaps before its score reached the table: offered now, once;
        // a game already named is entered under its name, unless the file holds it already.
        const SavedGame& over = *loaded.game;
        m_over = over;
        if (!over.scoreMark) {
            m_scores.RecordHighScore(over.score, over.level, &m_board);
        } else {
            const QString name = QString::fromUtf8(over.scoreMark->name);
            if (m_scores.CountOnDisk({over.score, name, over.level}) <= over.scoreMark->sameBefore)
                m_scores.RecordNamedScore(over.score, over.level, name, &m_board);
        }
        m_pending = true;
        flush(); // let go now, or once the score is in the file
        return false;
    }
    return m_board.ResumeGame(*loaded.game);
}

void TournamentKeeper::keep()
{
    if (m_pending)
        return;
    m_pending = true;
    QTimer::singleShot(0, this, &TournamentKeeper::flush);
}

void TournamentKeeper::flush()
{
    if (!m_pending)
        return;
    m_pending = false;
    std::optional<SavedGame> saved = m_board.game().Saved();
    if (saved && saved->stage == SavedStage::Over && m_over)
        saved = m_over;
    if (m_over && m_scores.savePending() && !(saved && saved->stage == SavedStage::Over)) {
        // The named score waits for another copy of the game: the marked game stays kept,
        // also over a new game, which is kept once the score is in the file.
        m_scoresWait.start();
        return;
    }
    if (!saved || saved->stage != SavedStage::Over)
        m_over.reset();
    if (saved)
        m_store.write(*saved);
    else
        m_store.remove();
}

void TournamentKeeper::mark(const HighScoreEntry& entry, int sameOnDisk)
{
    std::optional<SavedGame> over = m_over ? m_over : m_board.game().Saved();
    if (!over || over->stage != SavedStage::Over)
        return;
    over->scoreMark = SavedGame::ScoreMark{entry.Name.toUtf8().toStdString(), sameOnDisk};
    m_over = over;
    // Now, not on the next pass of the event loop: the file is saved as soon as this returns.
    m_store.write(*over);
}

} // namespace tintrix

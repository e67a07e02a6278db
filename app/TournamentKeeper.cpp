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
}

TournamentKeeper::~TournamentKeeper() { flush(); }

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
        // The game had ended, perhaps before its score reached the table: offered now, once.
        m_scores.RecordHighScore(loaded.game->score, loaded.game->level, &m_board);
        m_store.remove();
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
    const std::optional<SavedGame> saved = m_board.game().Saved();
    if (saved)
        m_store.write(*saved);
    else
        m_store.remove();
}

} // namespace tintrix

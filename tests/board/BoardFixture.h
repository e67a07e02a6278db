// SPDX-License-Identifier: GPL-3.0-or-later
// A board window started the way the program starts it, with a recording sound system.
#pragma once

#include "Form1.h"
#include "HighScoreBook.h"
#include "ImageControl.h"
#include "LevelFrm.h"
#include "Masterfrm.h"
#include "PicFrm.h"
#include "RecordingAudio.h"
#include "TestSupport.h"

#include <QAction>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace tintrix::test {

/** What the modal windows of a game showed, in order: "banner:LEVEL 1/4 SPACES...",
 *  "reveal", "message:First fill the current row.", "name", "exit". */
struct ModalLog {
    QStringList seen;
    QString nameAnswer = "tester";
    bool exitAnswerYes = false;
    const FakeMidi* midi = nullptr;
    bool musicStoppedBeforeName = false;
};

/** Answers every modal window of the board the way a patient player would, and logs it. */
inline bool AnswerBoardModal(QWidget* modal, ModalLog& log)
{
    if (auto* banner = qobject_cast<LevelFrm*>(modal)) {
        log.seen << "banner:" + banner->Label1->text() + "/" + banner->Label2->text();
        return false; // closes itself
    }
    if (auto* reveal = qobject_cast<Masterfrm*>(modal)) {
        log.seen << "reveal";
        QTimer::singleShot(0, reveal->Command1, &QPushButton::click);
        return false;
    }
    if (auto* input = qobject_cast<QInputDialog*>(modal)) {
        log.seen << "name";
        log.musicStoppedBeforeName = log.midi && !log.midi->calls.isEmpty() && log.midi->calls.last() == "stop";
        input->setTextValue(log.nameAnswer);
        QTimer::singleShot(0, input, &QDialog::accept);
        return false;
    }
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        if (box->text() == "Exit Tintrix?") {
            log.seen << "exit";
            ClickButton(box, log.exitAnswerYes ? "Yes" : "No");
        } else {
            log.seen << "message:" + box->text();
            QTimer::singleShot(0, box, &QDialog::accept);
        }
        return false;
    }
    if (auto* dialog = qobject_cast<QDialog*>(modal)) {
        log.seen << "dialog:" + dialog->objectName();
        QTimer::singleShot(0, dialog, &QDialog::accept);
    }
    return false;
}

class BoardFixture {
public:
    explicit BoardFixture(std::function<float()> random = {})
        : scores(folder.path()),
          answerer([this](QWidget* w) { return AnswerBoardModal(w, log); })
    {
        log.midi = &audio.fakeMidi;
        scores.LoadHighScores();
        board = std::make_unique<Form1>(Form1::Services{folder.path(), &audio, &scores, std::move(random)});
        board->BindFeedbackPictures();
        board->LoadColorBars();
        board->LoadUndoRedoPictures();
        board->Level1_Click();
        board->show();
    }

    Form1& f() { return *board; }
    const GameState& s() const { return board->state(); }

    /** Picks colour number colour (1..8) on the upper bar and drops it into hole j of the current row. */
    void place(int hole, int colour)
    {
        board->ColSelect_Click(colour - 1);
        board->Row_Click(12 - s().CurrentRow, hole);
    }
    /** Fills the current row with the given colours. */
    void fill(const std::vector<int>& colours)
    {
        for (std::size_t j = 0; j < colours.size(); ++j)
            place(int(j), colours[j]);
    }
    /** Checks the current row. */
    void check() { board->Image2_Click(); }
    void win() { fill(secret()); check(); }
    void missRow() { fill(miss()); check(); }
    void newGame() { board->Tournament->trigger(); }
    std::vector<int> secret() const { return ColorsOf(s().MasterPieces); }
    /** A guess sharing no colour position with the secret (so not a win). */
    std::vector<int> miss() const
    {
        std::vector<int> g = secret();
        const int colours = s().ColorCount;
        for (int& c : g)
            c = c % colours + 1;
        return g;
    }
    ImageControl* guessHole(int row, int hole) const { return board->Row[std::size_t(12 - row)][std::size_t(hole)]; }
    ImageControl* clueHole(int row, int hole) const { return board->Check[std::size_t(12 - row)][std::size_t(hole)]; }
    static bool samePicture(const QPixmap& a, const QPixmap& b) { return a.toImage() == b.toImage(); }

    ProgramFolder folder;
    RecordingAudio audio;
    HighScoreBook scores;
    ModalLog log;
    ModalAnswerer answerer;
    std::unique_ptr<Form1> board;
};

} // namespace tintrix::test

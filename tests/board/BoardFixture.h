// SPDX-License-Identifier: GPL-3.0-or-later
// The program as start-up builds it (board, high scores, sound), with a recording sound
// system, a fixed random source, and every modal window answered and logged.
#pragma once

#include "BoardSize.h"
#include "Form1.h"
#include "HighScoreBook.h"
#include "ImageControl.h"
#include "LevelFrm.h"
#include "Masterfrm.h"
#include "PicFrm.h"
#include "RecordingAudio.h"
#include "Startup.h"
#include "TestSupport.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <random>

namespace tintrix::test {

/** What the modal windows showed, in order: "banner:LEVEL 1/4 SPACES...", "reveal",
 *  "message:First fill the current row.", "name", "exit", "dialog:<name>". */
struct ModalLog {
    QStringList seen;
    bool exitAnswerYes = false;
    /** Runs when a window opens, after it is logged; returning true leaves it unanswered. */
    std::function<bool(QWidget*)> onOpen;
};

inline void AnswerBoardModal(QWidget* modal, ModalLog& log)
{
    auto opened = [&](const QString& what) {
        log.seen << what;
        return log.onOpen && log.onOpen(modal);
    };
    if (auto* banner = qobject_cast<LevelFrm*>(modal)) {
        opened("banner:" + banner->Label1->text() + "/" + banner->Label2->text());
    } else if (auto* reveal = qobject_cast<Masterfrm*>(modal)) {
        if (!opened("reveal"))
            QTimer::singleShot(0, reveal->Command1, &QPushButton::click);
    } else if (auto* input = qobject_cast<QInputDialog*>(modal)) {
        if (!opened("name")) {
            input->setTextValue("tester");
            QTimer::singleShot(0, input, &QDialog::accept);
        }
    } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        if (box->text() == "Exit Tintrix?") {
            opened("exit");
            ClickButton(box, log.exitAnswerYes ? "Yes" : "No");
        } else {
            opened("message:" + box->text());
            QTimer::singleShot(0, box, &QDialog::accept);
        }
    } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
        opened("dialog:" + dialog->objectName());
        QTimer::singleShot(0, dialog, &QDialog::accept);
    }
}

class BoardFixture {
public:
    BoardFixture()
        : program(Main(
              folder.path(),
              [this] {
                  auto made = std::make_unique<RecordingAudio>();
                  audio = made.get();
                  return made;
              },
              {.random = [this] { return std::uniform_real_distribution<float>(0.0f, 0.999f)(engine); },
               .timeScale = kTestTimeScale})),
          answerer([this](QWidget* w) {
              AnswerBoardModal(w, log);
              return false;
          })
    {
    }

    Form1& f() { return *program.board; }
    const Game& game() { return program.board->game(); }
    const GameState& s() { return program.board->game().state(); }

    template <typename T = QWidget>
    T* find(const QString& name)
    {
        T* found = program.board->findChild<T*>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }
    QAction* act(const char* name) { return find<QAction>(QLatin1String(name)); }
    ImageControl* img(const QString& name) { return find<ImageControl>(name); }
    QLabel* panel(int i) { return find<QLabel>(QStringLiteral("Panel%1").arg(i)); }
    /** Row index 0 is the top row, control Row12; the third row's controls are spelt row3. */
    ImageControl* guessHole(int row, int hole)
    {
        return img(QStringLiteral("%1_%2").arg(row == 9 ? QStringLiteral("row3") : QStringLiteral("Row%1").arg(12 - row)).arg(hole));
    }
    ImageControl* clueHole(int row, int hole) { return img(QStringLiteral("Check%1_%2").arg(12 - row).arg(hole)); }
    ImageControl* bar(int colour) { return img(QStringLiteral("ColSelect_%1").arg(colour - 1)); }
    ImageControl* checkButton() { return img("Image2"); }

    /** A real left click in the middle of a control. */
    static void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }
    /** Drags from the middle of one control to the middle of another with real mouse events. */
    static void drag(QWidget* from, QWidget* to)
    {
        QTest::mousePress(from, Qt::LeftButton, {}, from->rect().center());
        const QPoint target = from->mapFromGlobal(to->mapToGlobal(to->rect().center()));
        QTest::mouseMove(from, from->rect().center() + QPoint(6, 6));
        QTest::mouseMove(from, target);
        QTest::mouseRelease(from, Qt::LeftButton, {}, target);
    }
    /** Picks colour (1..8) on the upper bar and puts it into hole `hole` of the current row. */
    void place(int hole, int colour)
    {
        click(bar(colour));
        click(guessHole(s().CurrentRow, hole));
    }
    void fill(const std::vector<int>& colours)
    {
        for (std::size_t j = 0; j < colours.size(); ++j)
            place(int(j), colours[j]);
    }
    /** Presses the check button and waits until the pegs have dropped and the game rests. */
    void check()
    {
        click(checkButton());
        settle();
    }
    void win() { fill(secret()); check(); }
    void missRow() { fill(miss()); check(); }
    void newGame() { act("Tournament")->trigger(); settle(); }
    std::vector<int> secret() { return game().secret(); }
    /** A guess sharing no colour position with the secret (so not a win). */
    std::vector<int> miss()
    {
        std::vector<int> g = secret();
        for (int& c : g)
            c = c % s().ColorCount + 1;
        return g;
    }
    /** Waits until no window is open over the board and a level is played or no game runs. */
    void settle()
    {
        const bool rested = WaitFor([this] {
            const Phase p = game().phase();
            return !QApplication::activeModalWidget() && (p == Phase::Playing || p == Phase::Idle);
        });
        if (!rested)
            qFatal("the board did not come to rest");
    }
    static bool samePicture(const QPixmap& a, const QPixmap& b) { return a.toImage() == b.toImage(); }
    /** What a screen reader is given for a control. */
    static QString spoken(QWidget* w, QAccessible::Text text = QAccessible::Name)
    {
        return QAccessible::queryAccessibleInterface(w)->text(text);
    }

    std::mt19937 engine{20240607};
    ProgramFolder folder;
    RecordingAudio* audio = nullptr;
    Program program;
    ModalLog log;
    ModalAnswerer answerer;
    PicFrm pictures; // the same pictures the board shows, to compare with
};

} // namespace tintrix::test

// SPDX-License-Identifier: GPL-3.0-or-later
#include "LevelFrm.h"

#include "TimeScale.h"
#include "Twips.h"

// Qt
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QShowEvent>

namespace tintrix {

LevelFrm::LevelFrm(QWidget* boardWindow)
    : QDialog(boardWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_board(boardWindow)
{
    setObjectName("LevelFrm");
    setWindowTitle(" ");
    setModal(true);
    setFixedSize(Twips(3615), Twips(1215));

    auto* picture1 = new QWidget(this);
    picture1->setObjectName("Picture1");
    picture1->setGeometry(0, 0, Twips(3615), Twips(1215));

    Label1 = new QLabel(picture1);
    Label1->setObjectName("Label1");
    Label1->setGeometry(Twips(120), Twips(120), Twips(3375), Twips(375));
    Label1->setAlignment(Qt::AlignCenter);
    QFont heading("MS Sans Serif");
    heading.setStyleHint(QFont::SansSerif);
    heading.setPointSizeF(12);
    heading.setBold(true);
    Label1->setFont(heading);

    Label2 = new QLabel(picture1);
    Label2->setObjectName("Label2");
    Label2->setGeometry(Twips(120), Twips(600), Twips(3375), Twips(495));
    Label2->setAlignment(Qt::AlignCenter);
    Label2->setWordWrap(true);
    QFont detail("MS Sans Serif");
    detail.setStyleHint(QFont::SansSerif);
    detail.setPointSizeF(9.75);
    Label2->setFont(detail);

    Timer1.setSingleShot(true);
    connect(&Timer1, &QTimer::timeout, this, &LevelFrm::Timer1_Timer);
}

void LevelFrm::Announce(QWidget* boardWindow, const QString& line1, const QString& line2)
{
    LevelFrm banner(boardWindow);
    banner.Label1->setText(line1);
    banner.Label2->setText(line2);
    banner.exec();
}

void LevelFrm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        Form_Load();
}

void LevelFrm::Form_Load()
{
    if (m_board) {
        // Half its own height below the board's top, centred over the board.
        const QRect board = m_board->frameGeometry();
        const QRect own = frameGeometry();
        move(board.left() + board.width() / 2 - own.width() / 2, board.top() + own.height() / 2);
    }
    Timer1.start(ScaledMs(3000));
}

void LevelFrm::Timer1_Timer()
{
    Timer1.stop();
    m_closing = true;
    accept();
}

void LevelFrm::closeEvent(QCloseEvent* event)
{
    // Only the timer closes the banner.
    if (!m_closing)
        event->ignore();
}

void LevelFrm::keyPressEvent(QKeyEvent* event)
{
    // Escape would reject a dialog; the banner stays for its full time.
    event->accept();
}

} // namespace tintrix

// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmSplash.h"

#include "TimeScale.h"

// Qt
#include <QLabel>
#include <QVBoxLayout>

namespace tintrix {

frmSplash::frmSplash(QWidget* parent)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName("frmSplash");
    auto* layout = new QVBoxLayout(this);
    imgLogo = new QLabel(this);
    imgLogo->setObjectName("imgLogo");
    M = new QLabel("Tintrix", this);
    M->setObjectName("M");
    QFont title("Arial");
    title.setPointSizeF(15.75);
    M->setFont(title);
    Label1 = new QLabel("V1.2", this);
    Label1->setObjectName("Label1");
    layout->addWidget(imgLogo, 0, Qt::AlignCenter);
    layout->addWidget(M, 0, Qt::AlignCenter);
    layout->addWidget(Label1, 0, Qt::AlignCenter);

    connect(&Timer1, &QTimer::timeout, this, &frmSplash::Timer1_Timer);
    connect(&Timer2, &QTimer::timeout, this, &frmSplash::Timer2_Timer);
    Timer1.start(ScaledMs(2700));
    Timer2.start(ScaledMs(75));
}

void frmSplash::Timer1_Timer()
{
    Timer1.stop();
    Timer2.stop();
    accept();
}

void frmSplash::Timer2_Timer()
{
    if (LogoFrame == 4)
        LogoFrame = 1;
    ++LogoFrame;
}

} // namespace tintrix

// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmSplash.h"

#include "ModalLoop.h"
#include "TimeScale.h"

// Qt
#include <QGraphicsDropShadowEffect>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QRadialGradient>
#include <QScreen>
#include <QVBoxLayout>

namespace tintrix {

namespace {

constexpr QSize kSplashSize{300, 210};
constexpr QSize kLogoSize{96, 96};

/** A bundled picture at the pixel ratio of the screen it will be shown on. */
QPixmap LogoPicture(const QString& name, qreal pixelRatio)
{
    // QIcon picks up the "@2x" drawing beside the file by itself.
    return QIcon(QStringLiteral(":/pictures/%1.png").arg(name)).pixmap(kLogoSize, pixelRatio);
}

} // namespace

frmSplash::frmSplash(double timeScale, QWidget* parent)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName("frmSplash");
    setFixedSize(kSplashSize);

    const qreal ratio = devicePixelRatioF();
    imglogo1 = LogoPicture("imglogo1", ratio);
    imglogo2 = LogoPicture("imglogo2", ratio);
    imglogo3 = LogoPicture("imglogo3", ratio);

    imgLogo = new QLabel(this);
    imgLogo->setObjectName("imgLogo");
    imgLogo->setFixedSize(kLogoSize);
    imgLogo->setPixmap(imglogo1);

    M = new QLabel("Tintrix", this);
    M->setObjectName("M");
    QFont title("Arial");
    title.setStyleHint(QFont::SansSerif);
    title.setPointSizeF(15.75);
    M->setFont(title);

    Label1 = new QLabel("V1.2", this);
    Label1->setObjectName("Label1");

    // Light lettering on the dark wood of the background.
    QPalette titleColours = M->palette();
    titleColours.setColor(QPalette::WindowText, QColor(246, 206, 96));
    M->setPalette(titleColours);
    auto* titleShadow = new QGraphicsDropShadowEffect(M);
    titleShadow->setBlurRadius(6);
    titleShadow->setOffset(1, 2);
    titleShadow->setColor(QColor(0, 0, 0, 200));
    M->setGraphicsEffect(titleShadow);
    QPalette versionColours = Label1->palette();
    versionColours.setColor(QPalette::WindowText, QColor(226, 204, 170));
    Label1->setPalette(versionColours);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 18, 16, 22);
    layout->setSpacing(4);
    layout->addWidget(imgLogo, 0, Qt::AlignHCenter);
    layout->addSpacing(4);
    layout->addWidget(M, 0, Qt::AlignHCenter);
    layout->addWidget(Label1, 0, Qt::AlignHCenter);
    layout->addStretch(1);

    connect(&Timer1, &QTimer::timeout, this, &frmSplash::Timer1_Timer);
    connect(&Timer2, &QTimer::timeout, this, &frmSplash::Timer2_Timer);
    // Both timers run from the moment the splash loads.
    Timer1.start(ScaledMs(2700, timeScale));
    Timer2.start(ScaledMs(75, timeScale));
}

int frmSplash::exec()
{
    // Both timers run from construction, and a splash screen handles its pending timer events
    // while show() puts it up: on a busy machine Timer1 can close it before QDialog::exec()
    // would be waiting for that.
    return RunModal(*this);
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
    // The very first tick finds no frame number yet and leaves the logo as it is.
    const int shown = (LogoFrame >= 1 && LogoFrame <= 3) ? LogoFrame : 0;
    if (shown != 0)
        showFrame(shown);
    ++LogoFrame;
    emit logoTicked(shown);
}

void frmSplash::showFrame(int frame)
{
    const QPixmap* frames[] = {&imglogo1, &imglogo2, &imglogo3};
    imgLogo->setPixmap(*frames[frame - 1]);
    m_shownFrame = frame;
}

void frmSplash::paintEvent(QPaintEvent*)
{
    // Dark polished wood lit from above, inside a thin gold frame, with the peg colours
    // as a row of beads along the bottom.
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = rect();
    QRadialGradient wood(QPointF(r.center().x(), r.height() * 0.32), r.width() * 0.75);
    wood.setColorAt(0.0, QColor(120, 78, 46));
    wood.setColorAt(0.55, QColor(74, 44, 24));
    wood.setColorAt(1.0, QColor(36, 20, 10));
    p.fillRect(r, wood);

    p.setPen(QPen(QColor(214, 160, 50), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(1, 1, -1, -1));
    p.setPen(QPen(QColor(255, 226, 140, 110), 1));
    p.drawRect(r.adjusted(5.5, 5.5, -5.5, -5.5));

    const QColor beads[] = {{255, 105, 180}, {35, 110, 235}, {140, 60, 200}, {40, 175, 70},
                            {255, 140, 20},  {95, 215, 250}, {25, 35, 140},  {225, 30, 35}};
    constexpr double spacing = 14;
    const double firstX = r.center().x() - spacing * 3.5;
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 8; ++i) {
        const QPointF at(firstX + i * spacing, r.bottom() - 17);
        QRadialGradient bead(at, 4.5, at - QPointF(1.5, 1.5));
        bead.setColorAt(0, beads[i].lighter(160));
        bead.setColorAt(1, beads[i].darker(130));
        p.setBrush(bead);
        p.drawEllipse(at, 4.5, 4.5);
    }
}

void frmSplash::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (QScreen* s = screen())
        move(s->availableGeometry().center() - rect().center());
}

void frmSplash::keyPressEvent(QKeyEvent* event)
{
    // Escape would reject the dialog; the splash closes only by its own timer.
    event->accept();
}

} // namespace tintrix

// SPDX-License-Identifier: GPL-3.0-or-later
#include "Masterfrm.h"

#include "AppInfo.h"
#include "ImageControl.h"
#include "Twips.h"

// Qt
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>

namespace tintrix {

Masterfrm::Masterfrm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName("Masterfrm");
    setWindowTitle(ApplicationTitle());
    setModal(true);
    setFixedSize(Twips(3000), Twips(2160));

    auto* label = new QLabel("Correct Combination", this);
    label->setObjectName("Label1");
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(Twips(120), Twips(90), Twips(2760), Twips(300));
    QFont heading = label->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.15);
    label->setFont(heading);

    auto* frame = new QGroupBox("Correct Color Combination", this);
    frame->setObjectName("Frame1");
    frame->setGeometry(Twips(120), Twips(420), Twips(2760), Twips(960));
    for (int j = 0; j < 6; ++j) {
        auto* hole = new ImageControl(frame);
        hole->setObjectName(QStringLiteral("Image1_%1").arg(j));
        hole->setGeometry(Twips(240 + 360 * j), Twips(120 + 300), Twips(375), Twips(375));
        hole->setSpecialEffect(ImageControl::Effect::Raised);
        Image1[std::size_t(j)] = hole;
    }

    Command1 = new QPushButton("OK", this);
    Command1->setObjectName("Command1");
    Command1->setGeometry(Twips(360), Twips(1560), Twips(1035), Twips(405));
    Command1->setDefault(true);
    Command2 = new QPushButton("Cancel", this);
    Command2->setObjectName("Command2");
    Command2->setGeometry(Twips(1605), Twips(1560), Twips(1035), Twips(405));
    // Both buttons just close the window.
    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Command2, &QPushButton::clicked, this, &QDialog::reject);
}

} // namespace tintrix

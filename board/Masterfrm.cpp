// SPDX-License-Identifier: GPL-3.0-or-later
#include "Masterfrm.h"

#include "AppInfo.h"
#include "ImageControl.h"
#include "Zoom.h"

// Qt
#include <QCoreApplication>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>

#include <cmath>
#include <utility>

namespace tintrix {

Masterfrm::Masterfrm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_normalFont(font())
{
    setObjectName("Masterfrm");
    setWindowTitle(ApplicationTitle());
    setModal(true);

    m_heading = new QLabel(QCoreApplication::translate("Board", "Correct Combination"), this);
    m_heading->setObjectName("Label1");
    m_heading->setAlignment(Qt::AlignCenter);
    m_frame = new QGroupBox(QCoreApplication::translate("Board", "Correct Color Combination"), this);
    m_frame->setObjectName("Frame1");
    for (int j = 0; j < 6; ++j) {
        auto* hole = new ImageControl(m_frame);
        hole->setObjectName(QStringLiteral("Image1_%1").arg(j));
        hole->setSpecialEffect(ImageControl::Effect::Raised);
        Image1[std::size_t(j)] = hole;
    }
    Command1 = new QPushButton(QCoreApplication::translate("Board", "OK"), this);
    Command1->setObjectName("Command1");
    Command1->setDefault(true);
    Command2 = new QPushButton(QCoreApplication::translate("Board", "Cancel"), this);
    Command2->setObjectName("Command2");
    // Both buttons just close the window.
    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Command2, &QPushButton::clicked, this, &QDialog::reject);
    FitToBoard(1.0);
}

void Masterfrm::FitToBoard(double zoom)
{
    const auto px = [zoom](int twips) { return ZoomedTwips(twips, zoom); };
    const auto place = [&px](QWidget* w, int left, int top, int width, int height) {
        w->setGeometry(px(left), px(top), px(width), px(height));
    };
    setFont(ZoomedFont(m_normalFont, zoom));
    setFixedSize(px(3000), px(2160));
    place(m_heading, 120, 90, 2760, 300);
    QFont heading = font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.15);
    m_heading->setFont(heading);
    place(m_frame, 120, 420, 2760, 960);
    for (int j = 0; j < 6; ++j) {
        place(Image1[std::size_t(j)], 240 + 360 * j, 120 + 300, 375, 375);
        Image1[std::size_t(j)]->setZoom(zoom);
    }
    // The buttons keep their places' centres and grow to what their text and the style need
    // (the style's least width is wider than the place, and a translated text may be longer).
    for (auto [button, left] : {std::pair{Command1, 360}, std::pair{Command2, 1605}}) {
        place(button, left, 1560, 1035, 405);
        const int grown = button->sizeHint().width() - button->width();
        if (grown > 0)
            button->setGeometry(button->x() - (grown + 1) / 2, button->y(), button->width() + grown, button->height());
    }
}

} // namespace tintrix

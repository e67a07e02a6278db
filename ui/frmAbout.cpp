// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmAbout.h"

#include "AppInfo.h"

// Qt
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QVersionNumber>

namespace tintrix {

namespace {
constexpr QSize kPictureSize{64, 64};
}

frmAbout::frmAbout(QWidget* parent) : QDialog(parent)
{
    setObjectName("frmAbout");

    Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    Image1->setFixedSize(kPictureSize);
    // QIcon picks up the "@2x" drawing beside the file by itself.
    Image1->setPixmap(QIcon(":/pictures/AboutPic.png").pixmap(kPictureSize, devicePixelRatioF()));

    lblTitle = new QLabel(this);
    lblTitle->setObjectName("lblTitle");
    QFont title("Times New Roman");
    title.setStyleHint(QFont::Serif);
    title.setPointSize(20);
    title.setBold(true);
    lblTitle->setFont(title);

    lblVersion = new QLabel(this);
    lblVersion->setObjectName("lblVersion");
    lblVersion->setTextInteractionFlags(Qt::TextSelectableByMouse);

    cmdOK = new QPushButton(QCoreApplication::translate("About", "OK"), this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

    auto* text = new QVBoxLayout;
    text->setSpacing(2);
    text->addStrut(170); // room for longer version numbers without the box changing shape
    text->addStretch(1);
    text->addWidget(lblTitle);
    text->addWidget(lblVersion);
    text->addStretch(1);

    auto* top = new QHBoxLayout;
    top->setSpacing(18);
    top->addWidget(Image1, 0, Qt::AlignTop);
    top->addLayout(text, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 14);
    layout->setSpacing(16);
    layout->addLayout(top);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    Form_Load();
}

void frmAbout::Form_Load()
{
    const QString title = ApplicationTitle();
    setWindowTitle(QCoreApplication::translate("About", "About %1").arg(title));
    // Always three numbers, without leading zeros: "1.2" reads "1.2.0".
    const QVersionNumber version = QVersionNumber::fromString(QCoreApplication::applicationVersion());
    lblVersion->setText(QCoreApplication::translate("About", "Version %1.%2.%3")
                            .arg(version.majorVersion())
                            .arg(version.minorVersion())
                            .arg(version.microVersion()));
    lblTitle->setText(title);
    // Screen readers read the box's text as they open it.
    setAccessibleDescription(title + QStringLiteral(", ") + lblVersion->text());
}

void frmAbout::cmdOK_Click()
{
    accept();
}

} // namespace tintrix

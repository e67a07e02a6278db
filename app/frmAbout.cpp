// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmAbout.h"

// Qt
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tintrix {

frmAbout::frmAbout(QWidget* parent) : QDialog(parent)
{
    setObjectName("frmAbout");
    auto* layout = new QVBoxLayout(this);
    Image1 = new QLabel(this);
    lblTitle = new QLabel(this);
    lblVersion = new QLabel(this);
    cmdOK = new QPushButton("OK", this);
    layout->addWidget(Image1);
    layout->addWidget(lblTitle);
    layout->addWidget(lblVersion);
    layout->addWidget(cmdOK);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    Form_Load();
}

void frmAbout::Form_Load()
{
    setWindowTitle("About " + QCoreApplication::applicationName());
    lblTitle->setText(QCoreApplication::applicationName());
    lblVersion->setText("Version " + QCoreApplication::applicationVersion());
}

} // namespace tintrix

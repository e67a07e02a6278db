// SPDX-License-Identifier: GPL-3.0-or-later
#include "PicFrm.h"

// Qt
#include <QFile>
#include <QGuiApplication>

#include <cassert>

PicFrm::PicFrm(QObject* parent) : QObject(parent)
{
    setObjectName("PicFrm");
}

QPixmap PicFrm::picture(const QString& name)
{
    auto it = m_loaded.find(name);
    if (it != m_loaded.end())
        return it.value();

    // Sharp screens get the double-size drawing at the same logical size.
    QPixmap pixmap;
    const QString doubled = QStringLiteral(":/pictures/%1@2x.png").arg(name);
    if (qGuiApp && qGuiApp->devicePixelRatio() > 1.0 && QFile::exists(doubled) && pixmap.load(doubled)) {
        pixmap.setDevicePixelRatio(2.0);
    } else {
        pixmap.load(QStringLiteral(":/pictures/%1.png").arg(name));
    }
    m_loaded.insert(name, pixmap);
    return pixmap;
}

QPixmap PicFrm::pegPicture(int colour)
{
    assert(colour >= 1 && colour <= int(kPegNames.size()));
    return picture(QString::fromLatin1(kPegNames[std::size_t(colour - 1)]));
}

QPixmap PicFrm::stylePicture(int style)
{
    assert(style >= 1 && style <= int(kStyleNames.size()));
    return picture(QString::fromLatin1(kStyleNames[std::size_t(style - 1)]));
}

void PicFrm::Unload()
{
    m_loaded.clear();
}

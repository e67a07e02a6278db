// SPDX-License-Identifier: GPL-3.0-or-later
#include "PicFrm.h"

#include "Artwork.h"

// Qt
#include <QFile>
#include <QGuiApplication>

#include <cassert>

namespace tintrix {

PicFrm::PicFrm(QObject* parent) : QObject(parent)
{
    setObjectName("PicFrm");
}

QPixmap PicFrm::picture(const QString& name)
{
    auto it = m_loaded.find(name);
    if (it != m_loaded.end())
        return it.value();

    if (m_zoom != 1.0) {
        const QPixmap drawn = draw(name);
        m_loaded.insert(name, drawn);
        return drawn;
    }
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

void PicFrm::setZoom(double zoom)
{
    if (zoom == m_zoom)
        return;
    m_zoom = zoom;
    m_loaded.clear();
}

QPixmap PicFrm::draw(const QString& name) const
{
    // The drawing is made for the device pixels it covers; its logical size grows with zoom.
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    static const std::vector<tintrix::art::Picture> catalogue = tintrix::art::Catalogue();
    for (const tintrix::art::Picture& picture : catalogue) {
        if (picture.name != name)
            continue;
        QPixmap pixmap = QPixmap::fromImage(picture.draw(ratio * m_zoom));
        pixmap.setDevicePixelRatio(ratio);
        return pixmap;
    }
    return {};
}

} // namespace tintrix

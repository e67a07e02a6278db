// SPDX-License-Identifier: GPL-3.0-or-later
// The preferences, read once and written when they change.
#include "Preferences.h"

// Qt
#include <QSettings>

namespace tintrix {

namespace {
const QString kSection = QStringLiteral("preferences");

QString booleanText(bool value) { return value ? QStringLiteral("True") : QStringLiteral("False"); }
} // namespace

Preferences::Preferences(QString applicationName, QObject* parent) : QObject(parent), m_application(std::move(applicationName))
{
    m_style = ParseStyle(read("style")).value_or(kDefaultStyle);
    m_sound = ParseBoolean(read("sound")).value_or(kDefaultSound);
    m_music = ParseBoolean(read("music")).value_or(kDefaultMusic);
    m_colorBar = ParseBoolean(read("ColorBar")).value_or(kDefaultColorBar);
    // The size has a key of its own, so the game's older keys stay exactly as they were.
    bool ok = false;
    const double zoom = read("BoardSize").trimmed().toDouble(&ok);
    m_zoom = ok ? zoom : 1.0;
}

std::optional<bool> Preferences::ParseBoolean(const QString& text)
{
    const QString t = text.trimmed();
    if (t.compare(u"true", Qt::CaseInsensitive) == 0)
        return true;
    if (t.compare(u"false", Qt::CaseInsensitive) == 0)
        return false;
    bool ok = false;
    const long long n = t.toLongLong(&ok);
    if (ok)
        return n != 0;
    return std::nullopt;
}

std::optional<int> Preferences::ParseStyle(const QString& text)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    if (ok && n >= 1 && n <= 4)
        return n;
    return std::nullopt;
}

QString Preferences::read(const char* key) const
{
    QSettings settings(m_application, m_application);
    settings.beginGroup(kSection);
    const QVariant v = settings.value(QLatin1String(key));
    // Only text is ever stored; anything else (a list, say) is unreadable.
    return v.typeId() == QMetaType::QString ? v.toString() : QString();
}

void Preferences::write(const char* key, const QString& value)
{
    QSettings settings(m_application, m_application);
    settings.beginGroup(kSection);
    settings.setValue(QLatin1String(key), value);
    settings.sync();
    emit changed();
}

bool Preferences::setStyle(int style)
{
    if (style == m_style || !ParseStyle(QString::number(style)))
        return false;
    m_style = style;
    write("style", QString::number(style));
    return true;
}

bool Preferences::setSound(bool on)
{
    if (on == m_sound)
        return false;
    m_sound = on;
    write("sound", booleanText(on));
    return true;
}

bool Preferences::setMusic(bool on)
{
    if (on == m_music)
        return false;
    m_music = on;
    write("music", booleanText(on));
    return true;
}

bool Preferences::setColorBar(bool shown)
{
    if (shown == m_colorBar)
        return false;
    m_colorBar = shown;
    write("ColorBar", booleanText(shown));
    return true;
}

bool Preferences::setZoom(double zoom)
{
    if (zoom == m_zoom)
        return false;
    m_zoom = zoom;
    write("BoardSize", QString::number(zoom));
    return true;
}

} // namespace tintrix

// SPDX-License-Identifier: GPL-3.0-or-later
#include "Preferences.h"

// Qt
#include <QSettings>

namespace tintrix {

namespace {
const QString kSection = QStringLiteral("preferences");

QString booleanText(bool value) { return value ? QStringLiteral("True") : QStringLiteral("False"); }
} // namespace

Preferences::Preferences(QString applicationName) : m_application(std::move(applicationName)) {}

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
}

int Preferences::style() const { return ParseStyle(read("style")).value_or(kDefaultStyle); }
bool Preferences::sound() const { return ParseBoolean(read("sound")).value_or(kDefaultSound); }
bool Preferences::music() const { return ParseBoolean(read("music")).value_or(kDefaultMusic); }
bool Preferences::colorBar() const { return ParseBoolean(read("ColorBar")).value_or(kDefaultColorBar); }

double Preferences::zoom() const
{
    // The size has a key of its own, so the game's older keys stay exactly as they were.
    bool ok = false;
    const double zoom = read("BoardSize").trimmed().toDouble(&ok);
    return ok ? zoom : 1.0;
}

void Preferences::setStyle(int style) { write("style", QString::number(style)); }
void Preferences::setSound(bool on) { write("sound", booleanText(on)); }
void Preferences::setMusic(bool on) { write("music", booleanText(on)); }
void Preferences::setColorBar(bool shown) { write("ColorBar", booleanText(shown)); }
void Preferences::setZoom(double zoom) { write("BoardSize", QString::number(zoom)); }

} // namespace tintrix

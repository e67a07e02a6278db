// SPDX-License-Identifier: GPL-3.0-or-later
// The preferences of one running game: the live values its menus show and its board is drawn
// with, kept in the player's settings store.
#pragma once

#include <QObject>
#include <QString>

#include <optional>

namespace tintrix {

/** Style, sound, music, colour bar and the board's size, under the section "preferences" of
 *  the settings of the application name. The values are read once, when the object is made,
 *  and from then on this object is their only source: another running copy of the game that
 *  stores other values changes nothing here. A value is written and flushed when it changes,
 *  and only then; a stored value the game cannot read counts as missing and gives the key's
 *  default. */
class Preferences : public QObject {
    Q_OBJECT
public:
    explicit Preferences(QString applicationName, QObject* parent = nullptr);

    static constexpr int kDefaultStyle = 1;
    static constexpr bool kDefaultSound = true;
    static constexpr bool kDefaultMusic = true;
    static constexpr bool kDefaultColorBar = false;

    [[nodiscard]] int style() const { return m_style; } ///< 1 Swirl, 2 Stone, 3 Ice, 4 Cocktail
    [[nodiscard]] bool sound() const { return m_sound; }
    [[nodiscard]] bool music() const { return m_music; }
    [[nodiscard]] bool colorBar() const { return m_colorBar; }
    /** The board's size factor as stored, 1 (the normal size) when none or an unreadable one is
     *  stored. */
    [[nodiscard]] double zoom() const { return m_zoom; }

    // Each returns whether the value changed (and so was written).
    bool setStyle(int style);
    bool setSound(bool on);
    bool setMusic(bool on);
    bool setColorBar(bool shown);
    bool setZoom(double zoom);

    /** Reads a stored Boolean as the game always wrote it ("True"/"False"), also accepting other
     *  cases and whole numbers (0 false, anything else true). */
    [[nodiscard]] static std::optional<bool> ParseBoolean(const QString& text);
    /** Reads a stored style number 1..4. */
    [[nodiscard]] static std::optional<int> ParseStyle(const QString& text);

signals:
    /** A value changed: menus and drawing follow. */
    void changed();

private:
    [[nodiscard]] QString read(const char* key) const;
    void write(const char* key, const QString& value);

    QString m_application;
    int m_style = kDefaultStyle;
    bool m_sound = kDefaultSound;
    bool m_music = kDefaultMusic;
    bool m_colorBar = kDefaultColorBar;
    double m_zoom = 1.0;
};

} // namespace tintrix
